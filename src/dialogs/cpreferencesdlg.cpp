#include "dialogs/cpreferencesdlg.h"

#include "dialogs/dialogtext.h"
#include "numbers/uitext.h"
#include "ui/userprompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr const char *kTaxFilter = UI_TEXT_NOOP("FileFilters", "IFTA tax files (*.itx)|*.itx||");
constexpr const char *kProfilesFilter =
    UI_TEXT_NOOP("FileFilters", "User profiles file (*.usr)|*.usr||");
constexpr const char *kInterestRatesFilter =
    UI_TEXT_NOOP("FileFilters", "Interest-rate tables (*.tsv)|*.tsv||");
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
    grid->addLayout(buildRecoveryRow(), 8, 0, 1, 2);
    grid->addLayout(buildLanguageRow(), 9, 0, 1, 2);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPreferencesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPreferencesDlg::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    transferToControls();
}

QLayout *CPreferencesDlg::buildRecoveryRow()
{
    recoveryMinutes_ = new QSpinBox(this);
    recoveryMinutes_->setObjectName("recoveryMinutes");
    recoveryMinutes_->setRange(0, kMostRecoveryMinutes);
    recoveryMinutes_->setSpecialValueText(tr("Off"));
    recoveryMinutes_->setSuffix(tr(" minutes"));
    recoveryMinutes_->setToolTip(
        tr("How often the unsaved changes are kept in a recovery copy; Off keeps none"));
    auto *label = new QLabel(tr("Recovery &copy of unsaved changes every:"), this);
    label->setBuddy(recoveryMinutes_);
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(recoveryMinutes_);
    row->addStretch();
    return row;
}

QLayout *CPreferencesDlg::buildLanguageRow()
{
    language_ = new QComboBox(this);
    language_->setObjectName("language");
    // The languages' own names, as every program lists them; the data is the setting.
    language_->addItem(tr("System"), QString());
    language_->addItem(QStringLiteral("English"), QStringLiteral("en"));
    language_->addItem(QStringLiteral("Fran\u00e7ais"), QStringLiteral("fr"));
    auto *label = new QLabel(tr("&Language:"), this);
    label->setBuddy(language_);
    auto *note = new QLabel(tr("A new language is used from the next start of Tollmark."), this);
    note->setObjectName("languageNote");
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(language_);
    row->addWidget(note, 1);
    return row;
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
    recoveryMinutes_->setValue(data_.recoveryMinutes);
    backupsKept_->setValue(data_.backupsKept);
    language_->setCurrentIndex(
        std::max(0, language_->findData(QString::fromStdString(data_.language))));
}

void CPreferencesDlg::transferFromControls()
{
    data_.taxFile = ToPath(taxFile_->text());
    data_.profilesFile = ToPath(profilesFile_->text());
    data_.interestRatesFile = ToPath(interestRatesFile_->text());
    data_.wholeUnits = wholeUnits_->isChecked();
    data_.recoveryMinutes = recoveryMinutes_->value();
    data_.backupsKept = backupsKept_->value();
    data_.language = language_->currentData().toString().toStdString();
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
