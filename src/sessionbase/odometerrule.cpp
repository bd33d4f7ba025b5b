#include "sessionbase/odometerrule.h"

#include "numbers/uitext.h"
#include "records/tripentry.h"

#include <cstdint>

namespace {

bool ReadingsTouched(const TripEntry &before, const TripEntry &typed)
{
    return typed.odometerIn != before.odometerIn || typed.odometerOut != before.odometerOut;
}

} // namespace

bool KeepDistance(TripEntry &entry)
{
    const int64_t out = static_cast<int64_t>(entry.odometerIn) + entry.distance;
    if (entry.odometerIn < 0 || out > kLargestOdometerDistance)
        return false;
    entry.odometerOut = static_cast<int32_t>(out);
    return true;
}

void KeepReadings(TripEntry &entry)
{
    entry.distance = OdometerDistance(entry.odometerIn, entry.odometerOut);
}

OdometerOutcome SettleOdometer(const TripEntry &before, TripEntry &typed, bool useOdometer,
                               bool add)
{
    if (!useOdometer) {
        // The readings of a new line were only carried from the last line: an auditor
        // would read them as this trip's. A line modified keeps its own.
        if (add && (typed.odometerIn != 0 || typed.odometerOut != 0)) {
            typed.odometerIn = 0;
            typed.odometerOut = 0;
            return OdometerOutcome::Settled;
        }
        return OdometerOutcome::Agree;
    }
    if (typed.distance == OdometerDistance(typed.odometerIn, typed.odometerOut))
        return OdometerOutcome::Agree;
    const bool distanceTouched = typed.distance != before.distance;
    const bool readingsTouched = ReadingsTouched(before, typed);
    if (!distanceTouched && !readingsTouched)
        return OdometerOutcome::Agree; // Modify changes nothing the user did not touch
    const bool readingsGiveNone = typed.odometerOut <= typed.odometerIn;
    if (distanceTouched && !readingsTouched && readingsGiveNone) {
        // A line kept without readings stays without them.
        if (!add && typed.odometerIn == 0 && typed.odometerOut == 0)
            return OdometerOutcome::Agree;
        return KeepDistance(typed) ? OdometerOutcome::Settled : OdometerOutcome::Disagree;
    }
    if (readingsTouched && !distanceTouched && !readingsGiveNone) {
        KeepReadings(typed);
        return OdometerOutcome::Settled;
    }
    return OdometerOutcome::Disagree;
}

std::string OdometerQuestion(const TripEntry &entry)
{
    const std::string distance = std::to_string(entry.distance);
    const std::string in = std::to_string(entry.odometerIn);
    const std::string fromReadings =
        std::to_string(OdometerDistance(entry.odometerIn, entry.odometerOut));
    const int64_t outFromDistance = static_cast<int64_t>(entry.odometerIn) + entry.distance;
    return UiArgs(UiText("OdometerRule",
                         "The distance %1 and the odometer readings %2 to %3 (%4) disagree.\n\n"
                         "Yes: keep the distance %1; odometer out becomes %5.\n"
                         "No: keep the readings; the distance becomes %4."),
                  {distance, in, std::to_string(entry.odometerOut), fromReadings,
                   std::to_string(outFromDistance)});
}
