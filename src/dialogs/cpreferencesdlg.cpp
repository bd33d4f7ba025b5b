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

    auto *browseTax = new QPushButton(tr("Browse"), this);
    browseTax->setObjectName("browseTax");
    auto *browseProfiles = new QPushButton(tr("Browse"), this);
    browseProfiles->setObjectName("browseProfiles");
    auto *browseInterest = new QPushButton(tr("Browse"), this);
    browseInterest->setObjectName("browseInterestRates");
    browseTax->setAutoDefault(false);
    browseProfiles->setAutoDefault(false);
    browseInterest->setAutoDefault(false);
    connect(browseTax, &QPushButton::clicked, this,
            [this] { OnBrowse(&PreferencesData::taxFile, kTaxFilter); });
    connect(browseProfiles, &QPushButton::clicked, this,
            [this] { OnBrowse(&PreferencesData::profilesFile, kProfilesFilter); });
    connect(browseInterest, &QPushButton::clicked, this,
            [this] { OnBrowse(&PreferencesData::interestRatesFile, kInterestRatesFilter); });

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Default Tax File:"), this), 0, 0, 1, 2);
    grid->addWidget(taxFile_, 1, 0);
    grid->addWidget(browseTax, 1, 1);
    grid->addWidget(new QLabel(tr("Default User Profiles File:"), this), 2, 0, 1, 2);
    grid->addWidget(profilesFile_, 3, 0);
    grid->addWidget(browseProfiles, 3, 1);
    grid->addWidget(new QLabel(tr("Interest Rate Table:"), this), 4, 0, 1, 2);
    grid->addWidget(interestRatesFile_, 5, 0);
    grid->addWidget(browseInterest, 5, 1);
    grid->addWidget(wholeUnits_, 6, 0, 1, 2);
    grid->addLayout(buildRecoveryRow(), 7, 0, 1, 2);

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

void CPreferencesDlg::transferToControls()
{
    taxFile_->setText(FromPath(data_.taxFile));
    profilesFile_->setText(FromPath(data_.profilesFile));
    interestRatesFile_->setText(FromPath(data_.interestRatesFile));
    wholeUnits_->setChecked(data_.wholeUnits);
    recoveryMinutes_->setValue(data_.recoveryMinutes);
}

void CPreferencesDlg::transferFromControls()
{
    data_.taxFile = ToPath(taxFile_->text());
    data_.profilesFile = ToPath(profilesFile_->text());
    data_.interestRatesFile = ToPath(interestRatesFile_->text());
    data_.wholeUnits = wholeUnits_->isChecked();
    data_.recoveryMinutes = recoveryMinutes_->value();
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
