#include "dialogs/cpreferencesdlg.h"

#include "dialogs/dialogtext.h"
#include "ui/userprompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr const char *kTaxFilter = "IFTA tax files (*.itx)|*.itx||";
constexpr const char *kProfilesFilter = "User profiles file (*.usr)|*.usr||";
constexpr const char *kInterestRatesFilter = "Interest-rate tables (*.tsv)|*.tsv||";
} // namespace

CPreferencesDlg::CPreferencesDlg(UserPrompts &prompts, const PreferencesData &data, QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
    , data_(data)
{
    setWindowTitle(tr("Preferences"));
    taxFile_ = new QLineEdit(this);
    taxFile_->setObjectName("taxFile");
    profilesFile_ = new QLineEdit(this);
    profilesFile_->setObjectName("profilesFile");
    interestRatesFile_ = new QLineEdit(this);
    interestRatesFile_->setObjectName("interestRatesFile");
    interestRatesFile_->setPlaceholderText(tr("The table shipped with Tollmark"));
    taxFile_->setMinimumWidth(360);
    wholeUnits_ =
        new QCheckBox(tr("&Round fuel to whole gallons or litres, as filing portals do"), this);
    wholeUnits_->setObjectName("wholeUnits");

    backupsKept_ = new QSpinBox(this);
    backupsKept_->setObjectName("backupsKept");
    backupsKept_->setRange(0, 100);
    backupsKept_->setToolTip(tr("Each save keeps the version it replaces; 0 keeps none"));

    auto *grid = new QGridLayout;
    addFileRow(*grid, 0, tr("Default Tax File:"), taxFile_, &PreferencesData::taxFile, kTaxFilter,
               "browseTax");
    addFileRow(*grid, 2, tr("Default User Profiles File:"), profilesFile_,
               &PreferencesData::profilesFile, kProfilesFilter, "browseProfiles");
    addFileRow(*grid, 4, tr("Interest Rate Table:"), interestRatesFile_,
               &PreferencesData::interestRatesFile, kInterestRatesFilter, "browseInterestRates");
    grid->addWidget(wholeUnits_, 6, 0, 1, 2);
    auto *kept = new QLabel(tr("Earlier &versions kept of each file:"), this);
    kept->setBuddy(backupsKept_);
    auto *keptRow = new QHBoxLayout;
    keptRow->addWidget(kept);
    keptRow->addWidget(backupsKept_);
    keptRow->addStretch();
    grid->addLayout(keptRow, 7, 0, 1, 2);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPreferencesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPreferencesDlg::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    transferToControls();
}

void CPreferencesDlg::addFileRow(QGridLayout &grid, int row, const QString &label, QLineEdit *edit,
                                 std::string PreferencesData::*member, const char *filter,
                                 const char *browseName)
{
    auto *browse = new QPushButton(tr("Browse"), this);
    browse->setObjectName(browseName);
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this,
            [this, member, filter] { OnBrowse(member, filter); });
    grid.addWidget(new QLabel(label, this), row, 0, 1, 2);
    grid.addWidget(edit, row + 1, 0);
    grid.addWidget(browse, row + 1, 1);
}

void CPreferencesDlg::transferToControls()
{
    taxFile_->setText(FromPath(data_.taxFile));
    profilesFile_->setText(FromPath(data_.profilesFile));
    interestRatesFile_->setText(FromPath(data_.interestRatesFile));
    wholeUnits_->setChecked(data_.wholeUnits);
    backupsKept_->setValue(data_.backupsKept);
}

void CPreferencesDlg::transferFromControls()
{
    data_.taxFile = ToPath(taxFile_->text());
    data_.profilesFile = ToPath(profilesFile_->text());
    data_.interestRatesFile = ToPath(interestRatesFile_->text());
    data_.wholeUnits = wholeUnits_->isChecked();
    data_.backupsKept = backupsKept_->value();
}

void CPreferencesDlg::OnBrowse(std::string PreferencesData::*member, const char *filter)
{
    // What was typed into the other boxes stays.
    transferFromControls();
    const std::string chosen = prompts_.openFileName(filter);
    if (!chosen.empty())
        data_.*member = ToPath(QFileInfo(FromPath(chosen)).absoluteFilePath());
    transferToControls();
}

void CPreferencesDlg::accept()
{
    transferFromControls();
    QDialog::accept();
}
