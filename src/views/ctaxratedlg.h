#pragma once

#include "records/taxrate.h"

#include <QDialog>

class UserPrompts;
class QCheckBox;
class QLineEdit;

// "Tax Rate Modify": one slot's name, abbreviation, diesel and gasoline rate and
// surcharge flag. For a new rate the caption is "New Tax" and every field is editable;
// otherwise name and abbreviation are read-only. Both rates must lie between 0 and 1
// ("Please enter a number between 0 and 1." and the dialog stays open).
class CTaxRateDlg : public QDialog
{
    Q_OBJECT

public:
    CTaxRateDlg(UserPrompts &prompts, const TaxRate &rate, bool newRate, QWidget *parent = nullptr);

    // The values given back on OK; `slot` is the one passed in.
    const TaxRate &rate() const { return rate_; }

    void accept() override;

private:
    void transferToControls();
    bool transferFromControls();

    UserPrompts &prompts_;
    TaxRate rate_;
    bool newRate_;

    QLineEdit *name_ = nullptr;
    QLineEdit *abbreviation_ = nullptr;
    QLineEdit *diesel_ = nullptr;
    QLineEdit *gasoline_ = nullptr;
    QCheckBox *surcharge_ = nullptr;
};
