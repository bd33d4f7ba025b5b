#pragma once

#include "numbers/uitext.h"
#include <cstdint>
#include <string>

struct TripEntry;

// The odometer rule of a trip line, one for every front end: the entry dialog applies it
// as the user types and asks its question on OK, the edit session applies it again to
// what any dialog (the window's, a script's, tollmark-cli's options) gave back.
//
// A distance the user typed is never replaced by 0. With "Use odometer" on, a distance
// typed while the readings give none (odometer out <= odometer in) moves odometer out to
// in + distance; a reading edited while the distance was left alone gives the distance
// out - in; a distance and readings that were changed and disagree are a question: keep
// the distance (odometer out becomes in + distance) or the readings (the distance becomes
// out - in). What the user did not touch stays as it was: a line kept without readings
// keeps its distance when only its date is corrected. With the odometer off, a new line
// stores readings 0 and 0 (not the readings carried from the last line), and a line
// modified keeps the readings it has.

// What OK does with a line's distance and readings.
enum class OdometerOutcome {
    Agree,    // nothing to do: they agree, or were not touched, or the odometer is off
    Settled,  // the rule completed the line (odometer out or the distance)
    Disagree, // ask OdometerQuestion(): Yes keeps the distance, No the readings
};

// Settles `typed`, the line as the dialog closed, against `before`, the line as it was
// opened (the prepared new line, or the stored one), with the dialog's "Use odometer" at
// closing (`useOdometer`) and whether the line is new (`add`).
OdometerOutcome SettleOdometer(const TripEntry &before, TripEntry &typed, bool useOdometer,
                               bool add);

// Odometer out from the distance: in + distance. False, leaving the line as it was, when
// that passes the largest reading a record keeps.
bool KeepDistance(TripEntry &entry);
// The distance from the readings: out - in (0 when out <= in).
void KeepReadings(TripEntry &entry);

// The question of a distance and readings that disagree:
// "The distance 300 and the odometer readings 1000 to 1200 (200) disagree. ..."
std::string OdometerQuestion(const TripEntry &entry);
// Told when Yes would carry odometer out past the largest reading.
constexpr const char *kOdometerTooLarge = UI_TEXT_NOOP(
    "Messages", "Odometer in plus the distance passes the largest odometer reading (2147483647).");
