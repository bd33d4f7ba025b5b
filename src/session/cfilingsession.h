#pragma once

#include "filing/latereturn.h"
#include "platform/result.h"

#include <string>

class CIftaDoc;
class SessionPrompts;
class SessionSettings;

constexpr const char *kSummaryFileFilter = "Summary files (*.csv)|*.csv||";

// The interest-rate table shipped with the program, found from the folder of the running
// program: beside the installed program (../share/tollmark), the install folder it was
// built for, or this source tree's data/ folder. Empty when none is there.
std::string FindShippedInterestRates(const std::string &programDir);

// Filing the open record's return: the filing date and the due date and penalty the user
// set, the late return computed from them, and the summary file for filing portals. Until
// a filing date is chosen the return counts as filed on its due date (on time).
class CFilingSession
{
public:
    CFilingSession(CIftaDoc &doc, SessionPrompts &prompts, SessionSettings &settings);

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

    // "Filing Date": the dialog opens with the filing date (`today` until one was chosen)
    // and the due date; on OK they are kept and the return is computed once, so a
    // missing interest factor is said at once. True on OK.
    bool editFilingDate(const CivilDate &today);

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
    // The report's rounding of fuel, as the settings say.
    FuelRounding rounding();

    CIftaDoc &doc_;
    SessionPrompts &prompts_;
    SessionSettings &settings_;
    std::string shippedRates_;
    bool hasFilingDate_ = false;
    FilingChoices choices_;
    int32_t dueYear_ = 0; // the quarter the hand-set due date belongs to
    int32_t dueQuarter_ = 0;
};
