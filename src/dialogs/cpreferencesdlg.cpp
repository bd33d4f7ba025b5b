#include "dialogs/cpreferencesdlg.h"

#include "dialogs/dialogtext.h"
#include "ui/userprompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr const char *kTaxFilter = "IFTA tax files (*.itx)|*.itx||";
constexpr const char *kProfilesFilter = "User profiles file (*.usr)|*.usr||";
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
    taxFile_->setMinimumWidth(360);
    wholeUnits_ =
        new QCheckBox(tr("&Round fuel to whole gallons or litres, as filing portals do"), this);
    wholeUnits_->setObjectName("wholeUnits");

    auto *browseTax = new QPushButton(tr("Browse"), this);
    browseTax->setObjectName("browseTax");
    auto *browseProfiles = new QPushButton(tr("Browse"), this);
    browseProfiles->setObjectName("browseProfiles");
    browseTax->setAutoDefault(false);
    browseProfiles->setAutoDefault(false);
    connect(browseTax, &QPushButton::clicked, this, [this] { OnBrowse(true); });
    connect(browseProfiles, &QPushButton::clicked, this, [this] { OnBrowse(false); });

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Default Tax File:"), this), 0, 0, 1, 2);
    grid->addWidget(taxFile_, 1, 0);
    grid->addWidget(browseTax, 1, 1);
    grid->addWidget(new QLabel(tr("Default User Profiles File:"), this), 2, 0, 1, 2);
    grid->addWidget(profilesFile_, 3, 0);
    grid->addWidget(browseProfiles, 3, 1);
    grid->addWidget(wholeUnits_, 4, 0, 1, 2);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPreferencesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPreferencesDlg::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    transferToControls();
}

void CPreferencesDlg::transferToControls()
{
    taxFile_->setText(FromPath(data_.taxFile));
    profilesFile_->setText(FromPath(data_.profilesFile));
    wholeUnits_->setChecked(data_.wholeUnits);
}

void CPreferencesDlg::transferFromControls()
{
    data_.taxFile = ToPath(taxFile_->text());
    data_.profilesFile = ToPath(profilesFile_->text());
    data_.wholeUnits = wholeUnits_->isChecked();
}

void CPreferencesDlg::OnBrowse(bool taxFile)
{
    // What was typed into the other box stays.
    transferFromControls();
    const std::string chosen = prompts_.openFileName(taxFile ? kTaxFilter : kProfilesFilter);
    if (!chosen.empty()) {
        const std::string full = ToPath(QFileInfo(FromPath(chosen)).absoluteFilePath());
        (taxFile ? data_.taxFile : data_.profilesFile) = full;
    }
    transferToControls();
}

void CPreferencesDlg::accept()
{
    transferFromControls();
    QDialog::accept();
}
