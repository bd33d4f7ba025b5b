#pragma once

#include "check/finding.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CIftaDoc;

// One ordinary trip line on the odometer line of the quarter, marked where the check
// found that it does not follow on from the line before.
enum class OdometerMark { None, Gap, Overlap };

struct OdometerPoint {
    int32_t trip = 0;
    int32_t odometerIn = 0;
    int32_t odometerOut = 0;
    OdometerMark mark = OdometerMark::None;

    bool operator==(const OdometerPoint &o) const
    {
        return trip == o.trip && odometerIn == o.odometerIn && odometerOut == o.odometerOut &&
               mark == o.mark;
    }
};

// The odometer line of the quarter: the ordinary lines with both readings, in trip order,
// marked from the check's odometer-gap and odometer-overlap findings. A record of more
// than `maxPoints` such lines is thinned evenly to about that many, every marked line kept,
// so that a chart of a million trips stays quick to draw.
std::vector<OdometerPoint> OdometerTrace(const CIftaDoc &doc, const Findings &findings,
                                         size_t maxPoints);
