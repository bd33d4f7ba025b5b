#include "views/cunitedit.h"

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
    const bool point = decimals_ && c == QLatin1Char('.') && !this->text().contains(c);
    if (c.isDigit() || point) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept(); // refused, as a digits-only box does
}
