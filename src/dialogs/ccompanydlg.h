#pragma once

#include "records/companyinfo.h"
#include "sessionbase/dialogdata.h"

#include <QDialog>

class CProfileStore;
class UserPrompts;
class QCheckBox;
class QRadioButton;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

// "Company Setup": the carrier's identity, fuel, odometer, period dates and notes of a
// record file. "Add Profile" stores the identity shown as a new user profile at once
// (whatever the dialog's result); "Go to profiles" ends the dialog with GoToProfiles.
class CCompanyDlg : public QDialog
{
    Q_OBJECT

public:
    // exec() gives QDialog::Accepted on OK, QDialog::Rejected on Cancel, GoToProfiles.
    static constexpr int GoToProfiles = 99;

    // `store` may be null: "Add Profile" is then disabled.
    CCompanyDlg(UserPrompts &prompts, CProfileStore *store, const CompanyDialogData &data,
                QWidget *parent = nullptr);

    // The values given back; meaningful after OK.
    const CompanyDialogData &data() const { return data_; }

    // Empties the Province/State list and fills it with the Canada list when `canada`,
    // else with the US list.
    void FillStateCombo(bool canada);

    void accept() override;

private:
    // The controls, their layout and connections; the parts below in this order.
    void buildControls();
    void createFields();
    QGridLayout *layOutFields();
    QVBoxLayout *layOutSide();
    QVBoxLayout *buildButtons();
    void transferToControls();
    // False, with the validation prompt shown and the field focused, for a bad odometer.
    bool transferFromControls();
    void limitNotes();
    void OnDiesel();
    void OnGas();
    void OnCountrySelected(int index);
    void OnAddProfile();
    void OnHelp();

    UserPrompts &prompts_;
    CProfileStore *store_;
    CompanyDialogData data_;

    QLineEdit *companyName_ = nullptr;
    QLineEdit *address_ = nullptr;
    QLineEdit *city_ = nullptr;
    QComboBox *province_ = nullptr;
    QComboBox *country_ = nullptr;
    QLineEdit *postalCode_ = nullptr;
    QLineEdit *phone_ = nullptr;
    QLineEdit *iftaNumber_ = nullptr;
    QLineEdit *odometer_ = nullptr;
    QCheckBox *useOdometer_ = nullptr;
    QRadioButton *diesel_ = nullptr;
    QRadioButton *gas_ = nullptr;
    QDateEdit *from_ = nullptr;
    QDateEdit *to_ = nullptr;
    QPlainTextEdit *notes_ = nullptr;
    QPushButton *addProfile_ = nullptr;
    QPushButton *goToProfiles_ = nullptr;
};
