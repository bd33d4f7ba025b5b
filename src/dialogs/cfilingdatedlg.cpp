#include "dialogs/cfilingdatedlg.h"

#include "dialogs/dialogtext.h"
#include "dialogs/dialogvalidation.h"
#include "numbers/decimaltext.h"
#include "ui/localnumbers.h"
#include "ui/userprompts.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A penalty set by hand: at most a billion.
constexpr int64_t kLargestPenalty = 100000000000; // cents

QDate ToQDate(const CivilDate &date)
{
    return QDate(date.year, date.month, date.day);
}

CivilDate FromQDate(const QDate &date)
{
    return CivilDate{date.year(), date.month(), date.day()};
}

QDateEdit *MakeDateEdit(QWidget *parent, const char *name)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    edit->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    return edit;
}

} // namespace

CFilingDateDlg::CFilingDateDlg(UserPrompts &prompts, const FilingDialogData &data, QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
    , data_(data)
{
    setWindowTitle(tr("Filing Date"));
    filed_ = MakeDateEdit(this, "filed");
    due_ = MakeDateEdit(this, "due");
    auto *resetDue = new QPushButton(tr("Computed"), this);
    resetDue->setObjectName("resetDue");
    resetDue->setToolTip(tr("The quarter's own due date, moved off the weekend"));
    penaltySet_ = new QCheckBox(tr("Set by hand:"), this);
    penaltySet_->setObjectName("penaltySet");
    penalty_ = new QLineEdit(this);
    penalty_->setObjectName("penalty");
    penalty_->setPlaceholderText(tr("50.00 or 10% of the net tax"));
    // Wide enough for the whole hint.
    penalty_->setMinimumWidth(
        penalty_->fontMetrics().horizontalAdvance(penalty_->placeholderText()) + 24);

    auto *dueRow = new QHBoxLayout;
    dueRow->addWidget(due_, 1);
    dueRow->addWidget(resetDue);
    auto *penaltyRow = new QHBoxLayout;
    penaltyRow->addWidget(penaltySet_);
    penaltyRow->addWidget(penalty_, 1);
    auto *form = new QFormLayout;
    form->addRow(tr("Filing date:"), filed_);
    form->addRow(tr("Due date:"), dueRow);
    form->addRow(tr("Penalty:"), penaltyRow);
    buildFactorRow(form);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFilingDateDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFilingDateDlg::reject);
    connect(resetDue, &QPushButton::clicked, this,
            [this] { due_->setDate(ToQDate(data_.computedDue)); });
    connect(penaltySet_, &QCheckBox::toggled, penalty_, &QWidget::setEnabled);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    transferToControls();
}

void CFilingDateDlg::buildFactorRow(QFormLayout *form)
{
    if (data_.missing.empty())
        return;
    const InterestPeriod &period = data_.missingPeriod;
    missing_ = new QLabel(tr("%1: type the monthly factor for %2 to %3 (0.007500 is 9% a year)")
                              .arg(FromBytes(data_.missing), FromBytes(FormatIsoDate(period.first)),
                                   FromBytes(FormatIsoDate(period.last))),
                          this);
    missing_->setObjectName("missing");
    missing_->setWordWrap(true);
    factor_ = new QLineEdit(this);
    factor_->setObjectName("factor");
    factor_->setPlaceholderText(tr("Left empty: no interest is computed"));
    factor_->setMinimumWidth(factor_->fontMetrics().horizontalAdvance(factor_->placeholderText()) +
                             24);
    form->addRow(missing_);
    form->addRow(tr("Interest factor:"), factor_);
}

void CFilingDateDlg::transferToControls()
{
    filed_->setDate(ToQDate(data_.choices.filed));
    due_->setDate(ToQDate(data_.choices.due));
    penaltySet_->setChecked(data_.choices.penaltySet);
    penalty_->setEnabled(data_.choices.penaltySet);
    penalty_->setText(data_.choices.penaltySet ? ShownNumber(FormatFixed(data_.choices.penalty))
                                               : QString());
}

bool CFilingDateDlg::transferFromControls()
{
    FilingChoices choices = data_.choices;
    choices.filed = FromQDate(filed_->date());
    choices.due = FromQDate(due_->date());
    choices.penaltySet = penaltySet_->isChecked();
    if (choices.penaltySet && !ReadTypedAmount(TypedNumber(penalty_->text()), 2, kLargestPenalty,
                                               choices.penalty.units)) {
        prompts_.warn(kEnterNumber);
        penalty_->setFocus();
        penalty_->selectAll();
        return false;
    }
    Millionths factor;
    const QString factorText = factor_ ? factor_->text().trimmed() : QString();
    if (!factorText.isEmpty() && !ReadInterestFactor(TypedNumber(factorText), factor)) {
        prompts_.warn(kEnterNumber);
        factor_->setFocus();
        factor_->selectAll();
        return false;
    }
    data_.choices = choices;
    data_.factorSet = !factorText.isEmpty();
    if (data_.factorSet)
        data_.missingPeriod.factor = factor;
    return true;
}

void CFilingDateDlg::accept()
{
    if (transferFromControls())
        QDialog::accept();
}
