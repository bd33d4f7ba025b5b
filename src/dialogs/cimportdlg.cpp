#include "dialogs/cimportdlg.h"

#include "dialogs/cheadingmapbox.h"
#include "dialogs/chelpwindow.h"
#include "dialogs/dialogtext.h"
#include "imports/csvimport.h"
#include "imports/headingimport.h"
#include "numbers/uitext.h"
#include "platform/safefile.h"
#include "platform/textencoding.h"
#include "ui/cappsettings.h"
#include "ui/userprompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr const char *kSelectFileFirst =
    UI_TEXT_NOOP("Messages", "Select the file to import first");

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

CImportDlg::CImportDlg(UserPrompts &prompts, const ImportDialogData &data, CAppSettings &settings,
                       QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
    , settings_(settings)
    , data_(data)
{
    setWindowTitle(tr("Import Fields Selection"));
    // The controls are made in the order the Tab key visits them.
    QHBoxLayout *file = buildFileRow();
    createOptionControls();
    QVBoxLayout *headingPart = buildHeadingPart();
    QGroupBox *columns = buildColumns();
    QHBoxLayout *buttons = buildButtons();

    header_->setParent(optionsPart_);
    auto *optionsLayout = new QVBoxLayout(optionsPart_);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    optionsLayout->addWidget(header_);
    optionsLayout->addWidget(columns);
    auto *parts = new QHBoxLayout;
    parts->addWidget(optionsPart_);
    parts->addLayout(headingPart);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addWidget(byOptions_);
    layout->addWidget(byHeading_);
    layout->addLayout(parts);
    layout->addLayout(buttons);

    connect(byHeading_, &QRadioButton::toggled, this, &CImportDlg::showWay);
    transferToControls(data_.options);
    showWay();
}

QHBoxLayout *CImportDlg::buildFileRow()
{
    filePath_ = new QLineEdit(this);
    filePath_->setObjectName("filePath");
    filePath_->setReadOnly(true);
    filePath_->setMinimumWidth(320);
    auto *select = new QPushButton(tr("Select import file"), this);
    select->setObjectName("selectFile");
    select->setAutoDefault(false);
    connect(select, &QPushButton::clicked, this, &CImportDlg::OnSelectFile);
    auto *file = new QHBoxLayout;
    file->addWidget(filePath_, 1);
    file->addWidget(select);
    return file;
}

void CImportDlg::createOptionControls()
{
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
}

QVBoxLayout *CImportDlg::buildHeadingPart()
{
    byOptions_ = Radio(tr("By the fields below, in file order"), "byOptions", this);
    byHeading_ = Radio(tr("By the file's heading (column names)"), "byHeading", this);
    auto *ways = new QButtonGroup(this);
    ways->addButton(byOptions_);
    ways->addButton(byHeading_);
    byOptions_->setChecked(true);
    headingMap_ = new CHeadingMapBox(this);
    preset_ = new QComboBox(this);
    preset_->setObjectName("preset");
    preset_->setEditable(true);
    preset_->addItems(settings_.importPresetNames());
    const QString last = settings_.lastImportPreset();
    preset_->setEditText(last.isEmpty() ? tr("Fleet export") : last);
    connect(preset_, QOverload<int>::of(&QComboBox::activated), this,
            [this](int item) { applyPreset(preset_->itemText(item)); });
    auto *presetRow = new QHBoxLayout;
    presetRow->addWidget(new QLabel(tr("Preset:"), this));
    presetRow->addWidget(preset_, 1);
    auto *headingPart = new QVBoxLayout;
    headingPart->addLayout(presetRow);
    headingPart->addWidget(headingMap_);
    return headingPart;
}

QGroupBox *CImportDlg::buildColumns()
{
    optionsPart_ = new QWidget(this);
    auto *columns = new QGroupBox(tr("Fields, in file order"), optionsPart_);
    auto *grid = new QGridLayout(columns);
    grid->addWidget(date_, 0, 0);
    grid->addWidget(state_, 1, 0);
    grid->addWidget(distance_, 2, 0);
    grid->addLayout(UnitPair(km_, miles_, this), 2, 1);
    grid->addWidget(fuel_, 3, 0);
    grid->addLayout(UnitPair(litres_, gallons_, this), 3, 1);
    grid->addWidget(odometerIn_, 4, 0);
    grid->addWidget(odometerOut_, 5, 0);
    return columns;
}

QHBoxLayout *CImportDlg::buildButtons()
{
    auto *import = new QPushButton(tr("Import"), this);
    import->setObjectName("import");
    import->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    auto *help = new QPushButton(tr("Help"), this);
    help->setObjectName("help");
    cancel->setAutoDefault(false);
    help->setAutoDefault(false);
    connect(import, &QPushButton::clicked, this, &CImportDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CImportDlg::reject);
    connect(help, &QPushButton::clicked, this, &CImportDlg::OnHelp);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(import);
    buttons->addWidget(cancel);
    return buttons;
}

void CImportDlg::showWay()
{
    // The units of the options still hold for columns whose names give none.
    const bool heading = byHeading_->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(header_), static_cast<QWidget *>(date_),
                       static_cast<QWidget *>(distance_), static_cast<QWidget *>(fuel_),
                       static_cast<QWidget *>(odometerIn_), static_cast<QWidget *>(odometerOut_)})
        w->setEnabled(!heading);
    headingMap_->setEnabled(heading);
    preset_->setEnabled(heading);
}

void CImportDlg::showHeadings()
{
    std::string bytes;
    std::vector<std::string> headings;
    if (!SafeFile::readAll(data_.filePath, bytes, SafeFile::kRecordFileLimit) ||
        !ReadHeadings(TextFileToCp1252(bytes), headings))
        headings.clear();
    headingMap_->setHeadings(headings, DetectHeadingMap(headings));
    applyPreset(preset_->currentText());
    // A file laid out as the options say imports by them, as it always has.
    const bool byHeading = IsImportHeading(headings) &&
                           !FollowsOptionsLayout(DetectHeadingMap(headings), optionsFromControls());
    (byHeading ? byHeading_ : byOptions_)->setChecked(true);
}

void CImportDlg::applyPreset(const QString &name)
{
    // A preset holds when the file has every column it names; otherwise the detected
    // columns stay.
    const QString mapping = settings_.importPresetMapping(name);
    HeadingMap map = DetectHeadingMap(headingMap_->headings());
    std::string error;
    if (!mapping.isEmpty() &&
        ApplyMappingText(ToBytes(mapping), headingMap_->headings(), map, error))
        headingMap_->setHeadings(headingMap_->headings(), map);
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
    setFile(chosen);
}

void CImportDlg::setFile(const std::string &path)
{
    data_.filePath = ToPath(QFileInfo(FromPath(path)).absoluteFilePath());
    filePath_->setText(FromPath(data_.filePath));
    showHeadings();
}

void CImportDlg::OnHelp()
{
    prompts_.showHelp(kImportDialogHelp);
}

void CImportDlg::keepPreset(const QString &name, const QString &mapping)
{
    // Another export's mapping under the same name is replaced only when the user says
    // so; No imports with the columns shown and keeps the preset as it was.
    const QString stored = settings_.importPresetMapping(name);
    if (!stored.isEmpty() && stored != mapping &&
        !prompts_.askYesNo(ToBytes(
            tr("The preset \"%1\" maps the columns otherwise. Replace its mapping?").arg(name))))
        return;
    settings_.keepImportPreset(name, mapping);
}

void CImportDlg::accept()
{
    if (data_.filePath.empty()) {
        prompts_.warn(kSelectFileFirst);
        return;
    }
    data_.options = optionsFromControls();
    data_.byHeading = byHeading_->isChecked();
    data_.mapping = data_.byHeading ? headingMap_->mappingText() : std::string();
    if (data_.byHeading && !preset_->currentText().trimmed().isEmpty())
        keepPreset(preset_->currentText().trimmed(), FromBytes(data_.mapping));
    QDialog::accept();
}
