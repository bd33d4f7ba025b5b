#pragma once

#include "imports/csvimport.h"
#include "records/loadedtaxtable.h"
#include "records/units.h"
#include "sessionbase/sessionclock.h"

#include <cstdint>
#include <string>

// The program-wide state that outlives record documents, in one object: the window's
// application owns one, each tollmark-cli subcommand builds its own, and whoever needs a
// part of it is handed it explicitly.
struct ProgramState {
    // What day it is: the filing date until one is chosen, a new record's quarter.
    SessionClock clock;
    // The loaded tax-rate table with its period, undo and changed flag.
    LoadedTaxTable taxRates;
    // The units new trip lines are entered in: the entry list sets them by the carrier's
    // country when it is shown, the entry dialog from its unit buttons whenever it
    // closes, an import from its options.
    EntryUnits entryUnits;
    // The unit number of the last new trip line: the next one starts from it (a driver
    // enters a truck's trips one after another).
    std::string lastUnitNumber;
    // The entry list's last sort: the column clicked (-1 before any) and its direction.
    // A click on another column sorts ascending, a second click on the same one reverses.
    int entrySortColumn = -1;
    bool entrySortAscending = false;
    // The import options last confirmed in the import dialog; they fill it the next
    // time. Never stored in the settings.
    ImportOptions lastImportOptions = kDefaultImportOptions;
};
