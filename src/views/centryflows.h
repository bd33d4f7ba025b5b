#pragma once

class CEntryListCtrl;
class CIftaDoc;
class UserPrompts;
struct ProgramState;
struct TripEntry;

// The entry list's commands: Add New (with the surcharge line offered after it), Modify,
// Delete, Undo and Redo of trip lines. Each asks through the prompts, changes the record
// through the document's own methods (which keep the trip-line rules) and tells the list
// model what changed.
class CEntryFlows
{
public:
    CEntryFlows(CIftaDoc &doc, ProgramState &state, UserPrompts &prompts, CEntryListCtrl &list);

    // "Add New": the entry dialog for a new line, then the surcharge offer. Returns the
    // row of the last line added, or -1 when nothing was added.
    int AddEntry();
    // "Modify" of the line shown at `row`. True when the line was changed.
    bool ModifyEntry(int row);
    // "Modify" of the line at `position` in the record (a finding of the check names it).
    bool ModifyEntryAt(int position);
    // "Delete" of the line shown at `row`, after "Delete the selected item?". The
    // remaining lines are numbered 1, 2, 3 ... again. True when a line was removed.
    bool DeleteEntry(int row);
    // Undo and redo of the trip lines; false when nothing was available.
    bool Undo();
    bool Redo();

private:
    bool runDialog(TripEntry &entry, bool add, int useOdometerIn, int &useOdometerOut);

    CIftaDoc &doc_;
    ProgramState &state_;
    UserPrompts &prompts_;
    CEntryListCtrl &list_;
};
