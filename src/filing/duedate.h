#pragma once

#include "numbers/civildate.h"

#include <cstdint>

// When a quarter's return is due and how late a filing is.

// The last day of the month after the quarter (1Q: April 30, 2Q: July 31, 3Q: October 31,
// 4Q: January 31 of the next year), before any move. Quarter 1..4.
CivilDate QuarterDueDate(int32_t year, int32_t quarter);

// The due date the carrier must file by: the quarter's due date, moved to the next Monday
// when it falls on a Saturday or Sunday. (Jurisdictions also move it over their own
// holidays; the user sets such a date by hand.)
CivilDate FilingDueDate(int32_t year, int32_t quarter);

// The months of interest for a return of the quarter filed on `filed` with due date `due`
// (the moved date, or the one the user set): 0 when filed on or before `due`. Otherwise
// every month or fraction of one from the day after the quarter's unmoved due date counts
// whole: the calendar months after the due month up to and including the month of filing
// (due April 30, filed May 1: 1; filed August 30: 4). A due date the user set before the
// quarter's own is counted from instead; a late return always owes at least one month.
int32_t MonthsLate(int32_t year, int32_t quarter, const CivilDate &due, const CivilDate &filed);
