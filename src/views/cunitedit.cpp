#include "views/cunitedit.h"

#include "ui/localnumbers.h"

#include <QKeyEvent>

CUnitEdit::CUnitEdit(QChar firstUnit, QChar secondUnit, bool decimals, QWidget *parent)
    : QLineEdit(parent)
    , first_(firstUnit.toUpper())
    , second_(secondUnit.toUpper())
    , decimals_(decimals)
{
}

void CUnitEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool printable = text.size() == 1 && text.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!printable) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = text.at(0).toUpper();
    if (c == first_ || c == second_) {
        emit unitKey(c == first_ ? 0 : 1);
        event->accept();
        return;
    }
    // French takes the decimal comma and spaces between thousands too (TypedNumber).
    const bool french = FrenchNumbers();
    const bool separator = c == QLatin1Char('.') || (french && c == QLatin1Char(','));
    const bool point = decimals_ && separator && !this->text().contains(QLatin1Char('.')) &&
                       !this->text().contains(QLatin1Char(','));
    const bool group = french && IsThousandsSpace(c);
    if (c.isDigit() || point || group) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept(); // refused, as a digits-only box does
}
