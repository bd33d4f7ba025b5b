#include "dialogs/cimportdlg.h"

#include "dialogs/chelpwindow.h"
#include "dialogs/dialogtext.h"
#include "records/csvimport.h"
#include "ui/userprompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr const char *kSelectFileFirst = "Select the file to import first";

QCheckBox *Box(const QString &text, const char *name, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QRadioButton *Radio(const QString &text, const char *name, QWidget *parent)
{
    auto *radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    return radio;
}

// A pair of unit buttons that exclude each other, side by side.
QHBoxLayout *UnitPair(QRadioButton *first, QRadioButton *second, QObject *owner)
{
    auto *group = new QButtonGroup(owner);
    group->addButton(first);
    group->addButton(second);
    auto *row = new QHBoxLayout;
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch();
    return row;
}

} // namespace

CImportDlg::CImportDlg(UserPrompts &prompts, const ImportDialogData &data, QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
    , data_(data)
{
    setWindowTitle(tr("Import Fields Selection"));

    filePath_ = new QLineEdit(this);
    filePath_->setObjectName("filePath");
    filePath_->setReadOnly(true);
    filePath_->setMinimumWidth(320);
    auto *select = new QPushButton(tr("Select import file"), this);
    select->setObjectName("selectFile");
    select->setAutoDefault(false);

    header_ = Box(tr("Header"), "header", this);
    date_ = Box(tr("Trip date"), "date", this);
    state_ = Box(tr("State abbreviation"), "state", this);
    distance_ = Box(tr("Distance"), "distance", this);
    km_ = Radio(tr("Km"), "km", this);
    miles_ = Radio(tr("Mil"), "miles", this);
    fuel_ = Box(tr("Fuel"), "fuel", this);
    litres_ = Radio(tr("Litre"), "litres", this);
    gallons_ = Radio(tr("GAL"), "gallons", this);
    odometerIn_ = Box(tr("Odometer IN"), "odometerIn", this);
    odometerOut_ = Box(tr("Odometer OUT"), "odometerOut", this);
    // Every line names its jurisdiction: the column cannot be left out.
    state_->setChecked(true);
    state_->setEnabled(false);

    auto *columns = new QGroupBox(tr("Fields, in file order"), this);
    auto *grid = new QGridLayout(columns);
    grid->addWidget(date_, 0, 0);
    grid->addWidget(state_, 1, 0);
    grid->addWidget(distance_, 2, 0);
    grid->addLayout(UnitPair(km_, miles_, this), 2, 1);
    grid->addWidget(fuel_, 3, 0);
    grid->addLayout(UnitPair(litres_, gallons_, this), 3, 1);
    grid->addWidget(odometerIn_, 4, 0);
    grid->addWidget(odometerOut_, 5, 0);

    auto *file = new QHBoxLayout;
    file->addWidget(filePath_, 1);
    file->addWidget(select);

    auto *import = new QPushButton(tr("Import"), this);
    import->setObjectName("import");
    import->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    auto *help = new QPushButton(tr("Help"), this);
    help->setObjectName("help");
    cancel->setAutoDefault(false);
    help->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(import);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addWidget(header_);
    layout->addWidget(columns);
    layout->addLayout(buttons);

    connect(select, &QPushButton::clicked, this, &CImportDlg::OnSelectFile);
    connect(import, &QPushButton::clicked, this, &CImportDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CImportDlg::reject);
    connect(help, &QPushButton::clicked, this, &CImportDlg::OnHelp);

    transferToControls(data_.options);
}

void CImportDlg::transferToControls(uint32_t options)
{
    date_->setChecked(options & ImportDate);
    distance_->setChecked(options & ImportDistance);
    fuel_->setChecked(options & ImportFuel);
    odometerIn_->setChecked(options & ImportOdometerIn);
    odometerOut_->setChecked(options & ImportOdometerOut);
    header_->setChecked(options & ImportHeader);
    (options & ImportDistanceInKm ? km_ : miles_)->setChecked(true);
    (options & ImportFuelInLitres ? litres_ : gallons_)->setChecked(true);
}

uint32_t CImportDlg::optionsFromControls() const
{
    uint32_t options = ImportState;
    const std::pair<QAbstractButton *, ImportOptionBit> bits[] = {
        {date_, ImportDate},
        {distance_, ImportDistance},
        {fuel_, ImportFuel},
        {odometerIn_, ImportOdometerIn},
        {odometerOut_, ImportOdometerOut},
        {litres_, ImportFuelInLitres},
        {km_, ImportDistanceInKm},
        {header_, ImportHeader},
    };
    for (const auto &[button, bit] : bits) {
        if (button->isChecked())
            options |= bit;
    }
    return options;
}

void CImportDlg::OnSelectFile()
{
    const std::string chosen = prompts_.openFileName(kImportFileFilter);
    if (chosen.empty())
        return;
    data_.filePath = ToPath(QFileInfo(FromPath(chosen)).absoluteFilePath());
    filePath_->setText(FromPath(data_.filePath));
}

void CImportDlg::OnHelp()
{
    prompts_.showHelp(kImportDialogHelp);
}

void CImportDlg::accept()
{
    if (data_.filePath.empty()) {
        prompts_.warn(kSelectFileFirst);
        return;
    }
    data_.options = optionsFromControls();
    QDialog::accept();
}
