#pragma once

#include <QAbstractSpinBox>

// An edit box with an up-down control beside it, as the tax-period and download dialogs
// use for quarter and year. The text is free: whatever is typed stays until the dialog
// validates it on OK. The arrows (and the Up/Down keys) do not change the text
// themselves; they report a signed step through `stepped`, and the dialog decides what
// the new value is (it clamps at its own bounds).
class CStepEdit : public QAbstractSpinBox
{
    Q_OBJECT

public:
    explicit CStepEdit(QWidget *parent = nullptr);

    QString value() const { return text(); }
    void setValue(const QString &value);

    void stepBy(int steps) override;

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void stepped(int delta);

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString &input, int &pos) const override;
};
