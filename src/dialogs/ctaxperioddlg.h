#pragma once

#include "records/taxperiod.h"

#include <QDialog>

class CStepEdit;
class UserPrompts;
class QComboBox;

// "Tax Period": the year, quarter and country a tax-rate table is saved under. Years
// 2000 to 2099, quarters 1 to 4; a bad value is refused with the program's validation
// prompt and the dialog stays open. The spins step from the typed value and stop at the
// bounds.
class CTaxPeriodDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFirstYear = 2000;
    static constexpr int kLastYear = 2099;

    // The quarter, year and country controls this dialog shares with the download
    // dialog. ReadPeriodControls checks the quarter (1 to 4) and the year (kFirstYear to
    // kLastYear) with the program's prompt and puts the focus on the first bad one; false
    // leaves the values untouched.
    static void ShowPeriodControls(CStepEdit *quarter, CStepEdit *year, QComboBox *country,
                                   int quarterValue, int yearValue, const std::string &countryText);
    static bool ReadPeriodControls(CStepEdit *quarter, CStepEdit *year, QComboBox *country,
                                   UserPrompts &prompts, int &quarterValue, int &yearValue,
                                   std::string &countryText);
    static void StepQuarter(CStepEdit *quarter, int delta);
    static void StepYear(CStepEdit *year, int delta);

    // A year of 0 shows 2005; the caller passes 2000 for a table year of 2000 or less.
    CTaxPeriodDlg(UserPrompts &prompts, const TaxPeriod &period, QWidget *parent = nullptr);

    // The period given back on OK.
    const TaxPeriod &period() const { return period_; }

    void accept() override;

private:
    void transferToControls();
    bool transferFromControls();
    void OnQuarterStep(int delta);
    void OnYearStep(int delta);

    UserPrompts &prompts_;
    TaxPeriod period_;

    CStepEdit *quarter_ = nullptr;
    CStepEdit *year_ = nullptr;
    QComboBox *country_ = nullptr;
};
