#pragma once

#include "filing/latereturn.h"
#include "numbers/uitext.h"
#include "platform/result.h"

#include <string>

class CIftaDoc;
class SessionClock;
class SessionPrompts;
class SessionSettings;
struct FilingDialogData;

constexpr const char *kSummaryFileFilter =
    UI_TEXT_NOOP("FileFilters", "Summary files (*.csv)|*.csv||");
// Asked, after the reason, before a late return whose interest cannot be worked out is
// printed.
constexpr const char *kLateFiguresMissingQuestion = UI_TEXT_NOOP(
    "Messages", "The return would print without its interest and penalty. Print anyway?");

// The interest-rate table shipped with the program, found from the folder of the running
// program: beside the installed program (../share/tollmark), the install folder it was
// built for, or this source tree's data/ folder. Empty when none is there.
std::string FindShippedInterestRates(const std::string &programDir);

// Filing the open record's return: the filing date and the due date and penalty the user
// set, the late return computed from them, and the summary file for filing portals. Until
// a filing date is chosen the return counts as filed today: a late return shows its
// interest and penalty from the start, and a quarter that has not ended is never late.
class CFilingSession
{
public:
    CFilingSession(CIftaDoc &doc, const SessionClock &clock, SessionPrompts &prompts,
                   SessionSettings &settings);

    // Where the shipped interest-rate table lies (the front end finds it).
    void setShippedInterestRates(const std::string &path) { shippedRates_ = path; }
    // The table the interest is read from: the one Options names, else the shipped one.
    std::string interestRatesPath();

    bool hasFilingDate() const { return hasFilingDate_; }
    // Sets the filing choices as the user made them for the record's current quarter.
    void setChoices(const FilingChoices &choices);
    // The choices that apply to the record now: a due date set by hand counts only for
    // the quarter it was set for.
    FilingChoices currentChoices() const;
    // The due date of the record's return: set by hand, else the quarter's, moved off
    // the weekend.
    CivilDate dueDate() const;

    // "Filing Date": the dialog opens with the filing date (today until one was chosen)
    // and the due date, and with a field for a monthly interest factor the table lacks
    // for that date. On OK they are kept, a factor typed is added to the user's own copy
    // of the table (the dialog opens again while another month lacks one), and the return
    // is computed once, so a factor still missing is said at once. True on OK.
    bool editFilingDate();
    // Adds `period` to the user's own copy of the interest-rate table (made from the
    // table in use the first time), which Options then names.
    Result addInterestFactor(const InterestPeriod &period);

    // Why the late return cannot be computed (a missing factor, an unreadable table);
    // empty when it can.
    std::string lateNotice();

    // The record's return as filed now (its report computed afresh, in the rounding the
    // settings say; the summary likewise). Fails with the
    // message of an unreadable interest-rate table or a missing factor.
    Result lateReturn(LateReturn &out);
    Result lateReturn(const Report &report, LateReturn &out);

    // The information bar's text: "Late: 2 months" for a late return, else "Due
    // 2026-07-31". Empty when the record has no valid quarter.
    std::string infoText();

    // "Export Summary": asks for the file and writes the summary; true when written.
    bool exportSummary();
    // Writes the summary of the return to `path`.
    Result writeSummary(const std::string &path);

private:
    bool quarterIsValid() const;
    // The dialog's missing month and its period for the return filed as `data` says.
    void findMissingFactor(FilingDialogData &data);
    // The table in use, read; an on-time return reads none.
    Result readRates(const FilingChoices &choices, InterestRateTable &rates);
    // The report's rounding of fuel, as the settings say.
    FuelRounding rounding();

    CIftaDoc &doc_;
    const SessionClock &clock_;
    SessionPrompts &prompts_;
    SessionSettings &settings_;
    std::string shippedRates_;
    bool hasFilingDate_ = false;
    FilingChoices choices_;
    int32_t dueYear_ = 0; // the quarter the hand-set due date belongs to
    int32_t dueQuarter_ = 0;
};
