#pragma once

#include "numbers/fixeddecimal.h"
#include "numbers/uitext.h"

#include <cstdint>
#include <string>
#include <vector>

// The rules of the trip entry dialog, apart from any widget so that tests can call them.
// The new-trip row and the list's cell editor take trips by the same rules.

// A trip whose jurisdiction is not in the loaded table would be taxed as slot 0's.
constexpr const char *kChooseJurisdiction =
    UI_TEXT_NOOP("Messages", "Please choose a state or province from the list.");
constexpr const char *kEnterTripDate =
    UI_TEXT_NOOP("Messages", "Please enter the date as YYYY/MM/DD.");

// A date typed into a trip's box (YYYY/MM/DD, or YYYY-MM-DD) as the record keeps it;
// empty when `text` is not a real date.
std::string ReadTypedTripDate(const std::string &text);

// A short odometer-out reading completed from odometer-in: a reading below 10 takes the
// tens and above of odometer-in, below 100 the hundreds and above, and so on up to
// below 1000000; larger readings stay as typed. 789 after 123456 gives 123789.
uint32_t CompleteOdometerOut(uint32_t odometerOut, uint32_t odometerIn);

// Whether a trip date text "YYYY/MM/DD" lies in the quarter. A text that is no date is
// outside.
bool DateInQuarter(const std::string &date, int year, int quarter);
// "This date is outside the quarter 2Q2026. Keep it?"
std::string OutsideQuarterQuestion(int year, int quarter);

// The item a typed jurisdiction text selects when the box loses focus: the first item,
// searching from the second item on and wrapping round to the first, whose text begins
// with the typed text, ignoring case. -1 for an empty text or when no item matches.
int MatchComboItem(const std::vector<std::string> &items, const std::string &typed);

// An unsigned whole number typed into a box: blanks around digits. False for anything
// else (the dialog then shows "Please enter a positive integer.") or for a value above
// `maximum`.
bool ParseUnsignedField(const std::string &text, uint32_t maximum, uint32_t &value);

// A fuel quantity typed into its box: a decimal number with blanks around it. False for
// anything else or for an amount beyond the record's limit (the dialog then shows
// "Please enter a number."). More than two decimals round half up.
bool ParseFuelField(const std::string &text, Hundredths &value);

// The fuel as the box shows it: the shortest decimal text of the amount (120.5, 45.55, 0).
std::string FormatFuelField(Hundredths value);
