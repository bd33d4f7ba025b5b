#pragma once

#include "records/taxratetable.h"

// One level of undo and one of redo by whole-state snapshots: the trip lines of the
// record (copies kept by the document) or the 72 slots of the tax-rate table (the two
// program-wide copies below). The flags belong to the list that offers the commands.
struct UndoFlags {
    int undoAvailable = 0;
    int redoAvailable = 0;
};

// Copies the current state into `copy`.
template <class State>
void TakeSnapshot(const State &current, State &copy, int &available)
{
    copy = current;
    available = 1;
}

// Undo: the current state goes to the redo copy and the undo copy becomes current.
// False (and the flag cleared) when no undo is available.
template <class State>
bool UndoSnapshot(State &current, State &undoCopy, State &redoCopy, UndoFlags &flags)
{
    if (flags.undoAvailable != 1) {
        flags.undoAvailable = 0;
        return false;
    }
    TakeSnapshot(current, redoCopy, flags.redoAvailable);
    current = undoCopy;
    flags.undoAvailable = 0;
    return true;
}

// Redo: the current state goes to the undo copy and the redo copy becomes current.
template <class State>
bool RedoSnapshot(State &current, State &undoCopy, State &redoCopy, UndoFlags &flags)
{
    if (flags.redoAvailable != 1) {
        flags.redoAvailable = 0;
        return false;
    }
    TakeSnapshot(current, undoCopy, flags.undoAvailable);
    current = redoCopy;
    flags.redoAvailable = 0;
    return true;
}

// The undo and redo copies of the program's one tax-rate table, from load to exit.
TaxRateTable &TheTaxUndoTable();
TaxRateTable &TheTaxRedoTable();
