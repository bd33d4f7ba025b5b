// The odometer rules: consecutive ordinary lines in trip order must follow on from each
// other, and each line's readings must run forwards.

#include "check/checkrules.h"

#include "numbers/decimaltext.h"
#include "numbers/uitext.h"

#include "records/ciftadoc.h"

#include <map>
#include <string>

namespace {

// Calls `visit(previous, line)` for each pair of consecutive ordinary lines of one unit
// (truck) in trip order whose previous odometer out and odometer in are both set. Each
// truck has its own odometer: a fleet's lines follow on only within their unit number
// (lines without one form one truck, as a record without units always has).
template <class Visit>
void ForEachFollowOn(const CheckContext &context, Visit visit)
{
    std::map<std::string, const TripEntry *> previousOf;
    for (size_t position : context.tripOrder) {
        const TripEntry &line = context.entry(position);
        const TripEntry *&previous = previousOf[line.reservedText];
        if (previous && previous->odometerOut != 0 && line.odometerIn != 0)
            visit(*previous, line);
        previous = &line;
    }
}

std::string Reading(int32_t value)
{
    return std::to_string(value);
}

} // namespace

void CheckOdometerGaps(const CheckContext &context, Findings &out)
{
    ForEachFollowOn(context, [&](const TripEntry &previous, const TripEntry &line) {
        if (line.odometerIn <= previous.odometerOut)
            return;
        const int64_t missing = int64_t{line.odometerIn} - previous.odometerOut;
        out.push_back({CheckRule::OdometerGap, line.tripNumber, context.abbreviation(line.slot),
                       UiArgs(UiText("CheckRules", "%1 %2 on no trip line: trip %3 ends at %4, "
                                                   "trip %5 starts at %6"),
                              {UiNumber(GroupedDecimalText(missing, 0)), context.distanceUnit(),
                               std::to_string(previous.tripNumber), Reading(previous.odometerOut),
                               std::to_string(line.tripNumber), Reading(line.odometerIn)})});
    });
}

void CheckOdometerOverlaps(const CheckContext &context, Findings &out)
{
    ForEachFollowOn(context, [&](const TripEntry &previous, const TripEntry &line) {
        if (line.odometerIn >= previous.odometerOut)
            return;
        const int64_t twice = int64_t{previous.odometerOut} - line.odometerIn;
        out.push_back(
            {CheckRule::OdometerOverlap, line.tripNumber, context.abbreviation(line.slot),
             UiArgs(UiText("CheckRules", "%1 %2 on two trip lines: trip %3 starts at "
                                         "%4, before trip %5 ends at %6"),
                    {UiNumber(GroupedDecimalText(twice, 0)), context.distanceUnit(),
                     std::to_string(line.tripNumber), Reading(line.odometerIn),
                     std::to_string(previous.tripNumber), Reading(previous.odometerOut)})});
    });
}

void CheckOdometerBackwards(const CheckContext &context, Findings &out)
{
    for (size_t position : context.tripOrder) {
        const TripEntry &line = context.entry(position);
        if (line.odometerIn == 0 || line.odometerOut == 0 || line.odometerOut >= line.odometerIn)
            continue;
        const int64_t back = int64_t{line.odometerIn} - line.odometerOut;
        out.push_back(
            {CheckRule::OdometerBackwards, line.tripNumber, context.abbreviation(line.slot),
             UiArgs(UiText("CheckRules", "Odometer out %1 is %2 %3 less than odometer in %4"),
                    {Reading(line.odometerOut), UiNumber(GroupedDecimalText(back, 0)),
                     context.distanceUnit(), Reading(line.odometerIn)})});
    }
}
