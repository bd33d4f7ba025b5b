#pragma once

#include "records/companyinfo.h"

#include <QDialog>

class CProfileStore;
class UserPrompts;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// What the company dialog edits and gives back.
struct CompanyDialogData {
    // The carrier's fields. Shown when the dialog opens; on OK every field comes back as
    // typed, the notes with their lines separated by a single "\r" (NotesFromControl),
    // and, when the period dates were asked for, both dates from the pickers.
    CompanyInfo company = DialogDefaults();
    // Whether "Diesel" and "Gas" may be changed (only while the record file has no
    // entries). "Go to profiles" needs both this and `goToProfiles`.
    bool fuelChoice = false;
    bool goToProfiles = true;
    // Whether the "From:" and "To:" pickers show and give back `company.periodFrom` and
    // `company.periodTo`. A date of year 0 shows today's date in its picker.
    bool withPeriodDates = false;

    // A dialog object's own defaults: country "Canada", province "QC", every other text
    // empty, odometer 0, all three check boxes off.
    static CompanyInfo DialogDefaults();
};

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
    void buildControls();
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
    QCheckBox *diesel_ = nullptr;
    QCheckBox *gas_ = nullptr;
    QDateEdit *from_ = nullptr;
    QDateEdit *to_ = nullptr;
    QPlainTextEdit *notes_ = nullptr;
    QPushButton *addProfile_ = nullptr;
    QPushButton *goToProfiles_ = nullptr;
};
