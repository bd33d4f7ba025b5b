#include "dialogs/ctaxperioddlg.h"

#include "app/userprompts.h"
#include "dialogs/cstepedit.h"
#include "dialogs/dialogtext.h"
#include "dialogs/dialogvalidation.h"

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
    quarter_->setValue(QString::number(period_.quarter));
    year_->setValue(QString::number(period_.year));
    country_->setCurrentIndex(country_->findText(FromBytes(period_.country)));
}

bool CTaxPeriodDlg::transferFromControls()
{
    TaxPeriod read = period_;
    Result r = ParseIntegerField(quarter_->value().toStdString(), 1, 4, read.quarter);
    CStepEdit *failed = quarter_;
    if (r) {
        r = ParseIntegerField(year_->value().toStdString(), kFirstYear, kLastYear, read.year);
        failed = year_;
    }
    if (!r) {
        prompts_.warn(r.message);
        failed->setFocus();
        failed->selectAll();
        return false;
    }
    read.country = ToBytes(country_->currentText());
    period_ = read;
    return true;
}

void CTaxPeriodDlg::OnQuarterStep(int delta)
{
    quarter_->setValue(QString::number(StepValue(quarter_->value().toStdString(), delta, 1, 4)));
}

void CTaxPeriodDlg::OnYearStep(int delta)
{
    year_->setValue(
        QString::number(StepValue(year_->value().toStdString(), delta, kFirstYear, kLastYear)));
}

void CTaxPeriodDlg::accept()
{
    if (transferFromControls())
        QDialog::accept();
}
