#include "dialogs/cstepedit.h"

#include <QLineEdit>

CStepEdit::CStepEdit(QWidget *parent) : QAbstractSpinBox(parent)
{
    setAccelerated(false);
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void CStepEdit::setValue(const QString &value)
{
    lineEdit()->setText(value);
}

void CStepEdit::stepBy(int steps)
{
    emit stepped(steps);
}

QAbstractSpinBox::StepEnabled CStepEdit::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State CStepEdit::validate(QString &, int &) const
{
    // Anything may be typed; the dialog validates the text when OK is pressed.
    return QValidator::Acceptable;
}
