#pragma once

#include "numbers/fixeddecimal.h"

#include <cstdint>
#include <string>
#include <vector>

// The rules of the trip entry dialog, apart from any widget so that tests can call them.

// A short odometer-out reading completed from odometer-in: a reading below 10 takes the
// tens and above of odometer-in, below 100 the hundreds and above, and so on up to
// below 1000000; larger readings stay as typed. 789 after 123456 gives 123789.
uint32_t CompleteOdometerOut(uint32_t odometerOut, uint32_t odometerIn);

// The first day of a quarter ("2026/04/01" for 2026 Q2); empty for a year outside the
// date range (numbers/civildate.h) or a quarter outside 1..4.
std::string QuarterFirstDay(int year, int quarter);
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
