#include "app/cinfodlgbar.h"

#include "numbers/uitext.h"
#include "platform/cp1252.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

QString FromCoreText(const std::string &text)
{
    return QString::fromStdString(Cp1252ToUtf8(text));
}

QLineEdit *makeInfoBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    // Room for the longest of the texts the boxes show ("2099Q4 for Canada", the filing's
    // "Due 2099-12-31" or "Late: 99 months"), in the interface's language, with a margin.
    const QFontMetrics metrics = box->fontMetrics();
    int widest = metrics.horizontalAdvance(PeriodText(2099, 4, "Canada"));
    for (const char *filing : {UI_TEXT_NOOP("CFilingSession", "Due %1"),
                               UI_TEXT_NOOP("CFilingSession", "Late: %1 months")})
        widest = std::max(widest, metrics.horizontalAdvance(FromCoreText(
                                      UiArgs(UiText("CFilingSession", filing), {"2099-12-31"}))));
    box->setMinimumWidth(widest + 24);
    box->setMaximumWidth(box->minimumWidth() + 40);
    return box;
}

} // namespace

QString PeriodText(int year, int quarter, const std::string &country)
{
    return CInfoDlgBar::tr("%1Q%2 for %3")
        .arg(year)
        .arg(quarter)
        .arg(QString::fromStdString(Cp1252ToUtf8(country)));
}

CInfoDlgBar::CInfoDlgBar(QWidget *parent) : QDockWidget(parent)
{
    setObjectName(QStringLiteral("infoDlgBar"));
    setWindowTitle(tr("Information Bar"));
    // No caption over the bar: its two boxes say what they are.
    setTitleBarWidget(new QWidget(this));
    setAllowedAreas(Qt::TopDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetMovable);

    auto *panel = new QWidget(this);
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(10, 4, 10, 4);
    layout->setSpacing(6);
    recordInfo_ = makeInfoBox(panel, "recordInfo");
    loadedRates_ = makeInfoBox(panel, "loadedRates");
    layout->addWidget(new QLabel(tr("Record Info:"), panel));
    layout->addWidget(recordInfo_);
    layout->addSpacing(12);
    layout->addWidget(new QLabel(tr("Loaded Tax rates:"), panel));
    layout->addWidget(loadedRates_);
    filing_ = makeInfoBox(panel, "filing");
    layout->addSpacing(12);
    layout->addWidget(new QLabel(tr("Filing:"), panel));
    layout->addWidget(filing_);
    layout->addStretch(1);
    setWidget(panel);
}

void CInfoDlgBar::setTexts(const QString &recordInfo, const QString &loadedRates)
{
    recordInfo_->setText(recordInfo);
    loadedRates_->setText(loadedRates);
}

QString CInfoDlgBar::recordInfo() const
{
    return recordInfo_->text();
}

QString CInfoDlgBar::loadedRates() const
{
    return loadedRates_->text();
}

void CInfoDlgBar::setFilingText(const QString &text)
{
    filing_->setText(text);
}

QString CInfoDlgBar::filingText() const
{
    return filing_->text();
}
