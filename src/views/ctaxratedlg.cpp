#include "views/ctaxratedlg.h"

#include "dialogs/dialogtext.h"
#include "dialogs/dialogvalidation.h"
#include "numbers/uitext.h"
#include "ui/localnumbers.h"
#include "ui/userprompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A rate per litre or gallon the dialog accepts: 0 to 1.0000.
constexpr TenThousandths kLowestRate{0};
constexpr TenThousandths kHighestRate{10000};

} // namespace

CTaxRateDlg::CTaxRateDlg(UserPrompts &prompts, const TaxRate &rate, bool newRate, QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
    , rate_(rate)
    , newRate_(newRate)
{
    setWindowTitle(newRate_ ? tr("New Tax") : tr("Tax Rate Modify"));

    name_ = new QLineEdit(this);
    name_->setObjectName("name");
    name_->setMinimumWidth(150);
    abbreviation_ = new QLineEdit(this);
    abbreviation_->setObjectName("abbreviation");
    abbreviation_->setMaximumWidth(60);
    diesel_ = new QLineEdit(this);
    diesel_->setObjectName("dieselRate");
    gasoline_ = new QLineEdit(this);
    gasoline_->setObjectName("gasolineRate");
    surcharge_ = new QCheckBox(tr("SurTax"), this);
    surcharge_->setObjectName("surcharge");
    // Only a new slot may be named; an existing one keeps its jurisdiction.
    name_->setReadOnly(!newRate_);
    abbreviation_->setReadOnly(!newRate_);

    auto *buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTaxRateDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTaxRateDlg::reject);

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("State:"), this), 0, 0);
    grid->addWidget(new QLabel(tr("Abbrev.:"), this), 0, 1);
    grid->addWidget(name_, 1, 0);
    grid->addWidget(abbreviation_, 1, 1);
    grid->addWidget(new QLabel(tr("Diesel tax:"), this), 2, 0);
    grid->addWidget(diesel_, 3, 0);
    grid->addWidget(surcharge_, 3, 1);
    grid->addWidget(new QLabel(tr("Gas tax:"), this), 4, 0);
    grid->addWidget(gasoline_, 5, 0);
    grid->addWidget(buttons, 4, 1, 3, 1, Qt::AlignTop);

    transferToControls();
}

void CTaxRateDlg::transferToControls()
{
    abbreviation_->setText(FromBytes(rate_.abbreviation));
    name_->setText(FromBytes(rate_.name));
    gasoline_->setText(ShownNumber(FormatNumberField(rate_.gasolineRate)));
    diesel_->setText(ShownNumber(FormatNumberField(rate_.dieselRate)));
    surcharge_->setChecked(rate_.surcharge == 1);
}

bool CTaxRateDlg::transferFromControls()
{
    // The order of the exchange decides which bad rate is reported first.
    TaxRate read = rate_;
    read.abbreviation = ToBytes(abbreviation_->text());
    read.name = ToBytes(name_->text());
    QLineEdit *failed = gasoline_;
    const char *field = UI_TEXT_NOOP("Fields", "Gas tax");
    Result r = ParseNumberField(TypedNumber(gasoline_->text()), kLowestRate, kHighestRate,
                                read.gasolineRate);
    if (r) {
        failed = diesel_;
        field = UI_TEXT_NOOP("Fields", "Diesel tax");
        r = ParseNumberField(TypedNumber(diesel_->text()), kLowestRate, kHighestRate,
                             read.dieselRate);
    }
    if (!r) {
        prompts_.warn(FieldPrompt(field, r.message));
        failed->setFocus();
        failed->selectAll();
        return false;
    }
    read.surcharge = surcharge_->isChecked() ? 1 : 0;
    rate_ = read;
    return true;
}

void CTaxRateDlg::accept()
{
    if (transferFromControls())
        QDialog::accept();
}
