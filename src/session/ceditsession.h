#pragma once

#include "numbers/uitext.h"

#include <cstddef>
#include <string>
#include <string_view>

class CIftaDoc;
class LoadedTaxTable;
class SessionPrompts;
struct ProgramState;
struct TripEntry;

// Editing trip lines and tax rates: Add (with the surcharge line offered after it),
// Modify and Delete of a trip line, Modify and Add of a tax rate, and Undo and Redo of
// each. Every function asks through the prompts (the entry dialog and the tax-rate dialog
// are prompt hooks) and changes the record and the table only through their own methods,
// which record the named undo step and tell the front end what changed. A cancelled
// dialog changes nothing and records nothing.
class CEditSession
{
public:
    CEditSession(CIftaDoc &doc, ProgramState &state, SessionPrompts &prompts);

    // "Add New": the entry dialog for a new line (in the units of the record's last
    // line, or, for the first, of the carrier's country), then, for a jurisdiction with a
    // surcharge slot, "Add surcharge?" and the dialog for that line. Returns the position
    // of the last line added, or -1 when nothing was added.
    int addTrip();
    // "Modify" of the line at `position` in the record: what the user did not touch
    // stays, the line's rate included unless its jurisdiction changed. True when the line
    // was changed.
    bool modifyTrip(int position);
    // "Delete" of the line at `position`, after "Delete the selected item?"; the
    // remaining lines are numbered 1, 2, 3 ... again. True when a line was removed.
    bool deleteTrip(int position);
    bool undoTrips();
    bool redoTrips();
    // "Paste Trips": the rows of `text` after the record's lines, as one undo step
    // (sessionbase/tripclipboard.h). Returns the lines added.
    size_t pasteTrips(std::string_view text);

    // "Modify" of the tax rate in `slot`. True when the slot was changed.
    bool modifyRate(int slot);
    // "Add New" of the tax-rate list: the slot after the shown ones. Returns the slot
    // written, or -1 when cancelled or when all 72 slots are in use.
    int addRate();
    bool undoRates();
    bool redoRates();

private:
    // The entry dialog over `entry`; on OK the line is settled by the odometer rule
    // (sessionbase/odometerrule.h, unless `settleOdometer` is false) and completed from the
    // table. False when cancelled, refused, or the odometer question was cancelled.
    bool runEntryDialog(TripEntry &entry, bool add, int useOdometerIn, int &useOdometerOut,
                        bool settleOdometer = true);
    bool settleReadings(const TripEntry &before, TripEntry &edited, bool useOdometer, bool add);
    LoadedTaxTable &rates();

    CIftaDoc &doc_;
    ProgramState &state_;
    SessionPrompts &prompts_;
};

// The questions and refusals of editing: "Kentucky has a separate surcharge. Add the
// surcharge line too?" with the jurisdiction's name, the delete question, a jurisdiction
// no slot carries, and a full table.
std::string AddSurchargeQuestion(const std::string &jurisdiction);
constexpr const char *kDeleteItemQuestion = UI_TEXT_NOOP("Messages", "Delete the selected item?");
std::string UnknownJurisdictionMessage(const std::string &abbreviation);
constexpr const char *kTaxTableFull =
    UI_TEXT_NOOP("Messages", "All 72 tax-rate slots are in use. No new tax rate can be added.");
