#pragma once

#include "sessionbase/dialogdata.h"

#include <QDialog>

class UserPrompts;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;

// "Filing Date": the day the return is (to be) filed, its due date (the quarter's,
// moved off the weekend, which the user changes where a jurisdiction moved it over a
// holiday) and, where a jurisdiction charges another penalty on late returns, the
// penalty set by hand; where the interest-rate table lacks a month's factor, the factor
// to keep for its period. Gives the choices back on OK; a bad penalty or factor is
// refused with the program's validation prompt and the dialog stays open.
class CFilingDateDlg : public QDialog
{
    Q_OBJECT

public:
    CFilingDateDlg(UserPrompts &prompts, const FilingDialogData &data, QWidget *parent = nullptr);

    const FilingDialogData &data() const { return data_; }

    void accept() override;

private:
    void transferToControls();
    bool transferFromControls();
    // The missing factor's line, shown only when a factor is missing.
    void buildFactorRow(class QFormLayout *form);

    UserPrompts &prompts_;
    FilingDialogData data_;
    QDateEdit *filed_ = nullptr;
    QDateEdit *due_ = nullptr;
    QCheckBox *penaltySet_ = nullptr;
    QLineEdit *penalty_ = nullptr;
    QLabel *missing_ = nullptr;
    QLineEdit *factor_ = nullptr;
};
