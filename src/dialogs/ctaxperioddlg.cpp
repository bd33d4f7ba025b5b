#include "dialogs/ctaxperioddlg.h"

#include "dialogs/cstepedit.h"
#include "dialogs/dialogtext.h"
#include "dialogs/dialogvalidation.h"
#include "numbers/uitext.h"
#include "ui/userprompts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

CTaxPeriodDlg::CTaxPeriodDlg(UserPrompts &prompts, const TaxPeriod &period, QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
    , period_(period)
{
    setWindowTitle(tr("Tax Period"));
    if (period_.year == 0)
        period_.year = 2005;

    quarter_ = new CStepEdit(this);
    quarter_->setObjectName("quarter");
    year_ = new CStepEdit(this);
    year_->setObjectName("year");
    country_ = new QComboBox(this);
    country_->setObjectName("country");
    country_->addItems({"Canada", "US"});

    auto *form = new QFormLayout;
    form->addRow(tr("Quarter:"), quarter_);
    form->addRow(tr("Year:"), year_);
    form->addRow(tr("Country:"), country_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTaxPeriodDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTaxPeriodDlg::reject);
    connect(quarter_, &CStepEdit::stepped, this, &CTaxPeriodDlg::OnQuarterStep);
    connect(year_, &CStepEdit::stepped, this, &CTaxPeriodDlg::OnYearStep);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    transferToControls();
}

void CTaxPeriodDlg::transferToControls()
{
    ShowPeriodControls(quarter_, year_, country_, period_.quarter, period_.year, period_.country);
}

bool CTaxPeriodDlg::transferFromControls()
{
    return ReadPeriodControls(quarter_, year_, country_, prompts_, period_.quarter, period_.year,
                              period_.country);
}

void CTaxPeriodDlg::ShowPeriodControls(CStepEdit *quarter, CStepEdit *year, QComboBox *country,
                                       int quarterValue, int yearValue,
                                       const std::string &countryText)
{
    quarter->setValue(QString::number(quarterValue));
    year->setValue(QString::number(yearValue));
    country->setCurrentIndex(country->findText(FromBytes(countryText)));
}

bool CTaxPeriodDlg::ReadPeriodControls(CStepEdit *quarter, CStepEdit *year, QComboBox *country,
                                       UserPrompts &prompts, int &quarterValue, int &yearValue,
                                       std::string &countryText)
{
    int readQuarter = quarterValue;
    int readYear = yearValue;
    Result r = ParseIntegerField(quarter->value().toStdString(), 1, 4, readQuarter);
    CStepEdit *failed = quarter;
    const char *field = UI_TEXT_NOOP("Fields", "Quarter");
    if (r) {
        r = ParseIntegerField(year->value().toStdString(), kFirstYear, kLastYear, readYear);
        failed = year;
        field = UI_TEXT_NOOP("Fields", "Year");
    }
    if (!r) {
        prompts.warn(FieldPrompt(field, r.message));
        failed->setFocus();
        failed->selectAll();
        return false;
    }
    quarterValue = readQuarter;
    yearValue = readYear;
    countryText = ToBytes(country->currentText());
    return true;
}

void CTaxPeriodDlg::StepQuarter(CStepEdit *quarter, int delta)
{
    quarter->setValue(QString::number(StepValue(quarter->value().toStdString(), delta, 1, 4)));
}

void CTaxPeriodDlg::StepYear(CStepEdit *year, int delta)
{
    year->setValue(
        QString::number(StepValue(year->value().toStdString(), delta, kFirstYear, kLastYear)));
}

void CTaxPeriodDlg::OnQuarterStep(int delta)
{
    StepQuarter(quarter_, delta);
}

void CTaxPeriodDlg::OnYearStep(int delta)
{
    StepYear(year_, delta);
}

void CTaxPeriodDlg::accept()
{
    if (transferFromControls())
        QDialog::accept();
}
