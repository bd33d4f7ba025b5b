#include "check/finding.h"

#include "numbers/uitext.h"

#include <algorithm>

// The ids are the same in every language (tollmark-cli prints them); the window shows
// them translated as the check list's own words ("ListColumns").
const char *CheckRuleId(CheckRule rule)
{
    switch (rule) {
    case CheckRule::OdometerGap:
        return UI_TEXT_NOOP("ListColumns", "odometer-gap");
    case CheckRule::OdometerOverlap:
        return UI_TEXT_NOOP("ListColumns", "odometer-overlap");
    case CheckRule::OdometerBackwards:
        return UI_TEXT_NOOP("ListColumns", "odometer-backwards");
    case CheckRule::OutsideQuarter:
        return UI_TEXT_NOOP("ListColumns", "outside-quarter");
    case CheckRule::FuelWithoutDistance:
        return UI_TEXT_NOOP("ListColumns", "fuel-without-distance");
    case CheckRule::NoFuel:
        return UI_TEXT_NOOP("ListColumns", "no-fuel");
    case CheckRule::AverageRange:
        return UI_TEXT_NOOP("ListColumns", "average-range");
    case CheckRule::UnitAverageRange:
        return UI_TEXT_NOOP("ListColumns", "unit-average-range");
    case CheckRule::RateDiffers:
        return UI_TEXT_NOOP("ListColumns", "rate-differs");
    case CheckRule::RateMixed:
        return UI_TEXT_NOOP("ListColumns", "rate-mixed");
    case CheckRule::SurchargeMissing:
        return UI_TEXT_NOOP("ListColumns", "surcharge-missing");
    case CheckRule::DuplicateTrip:
        return UI_TEXT_NOOP("ListColumns", "duplicate-trip");
    case CheckRule::PeriodMismatch:
        return UI_TEXT_NOOP("ListColumns", "period-mismatch");
    case CheckRule::TableCountry:
        return UI_TEXT_NOOP("ListColumns", "table-country");
    case CheckRule::CompanyDates:
        return UI_TEXT_NOOP("ListColumns", "company-dates");
    case CheckRule::SlotOutsideTable:
        return UI_TEXT_NOOP("ListColumns", "slot-outside-table");
    case CheckRule::Exposure:
        return UI_TEXT_NOOP("ListColumns", "exposure");
    }
    return "";
}

size_t CountProblems(const Findings &findings)
{
    return static_cast<size_t>(std::count_if(findings.begin(), findings.end(),
                                             [](const Finding &f) { return f.isProblem(); }));
}
