#include "check/finding.h"

#include <algorithm>

const char *CheckRuleId(CheckRule rule)
{
    switch (rule) {
    case CheckRule::OdometerGap:
        return "odometer-gap";
    case CheckRule::OdometerOverlap:
        return "odometer-overlap";
    case CheckRule::OdometerBackwards:
        return "odometer-backwards";
    case CheckRule::OutsideQuarter:
        return "outside-quarter";
    case CheckRule::FuelWithoutDistance:
        return "fuel-without-distance";
    case CheckRule::NoFuel:
        return "no-fuel";
    case CheckRule::AverageRange:
        return "average-range";
    case CheckRule::UnitAverageRange:
        return "unit-average-range";
    case CheckRule::RateDiffers:
        return "rate-differs";
    case CheckRule::RateMixed:
        return "rate-mixed";
    case CheckRule::SurchargeMissing:
        return "surcharge-missing";
    case CheckRule::DuplicateTrip:
        return "duplicate-trip";
    case CheckRule::PeriodMismatch:
        return "period-mismatch";
    case CheckRule::TableCountry:
        return "table-country";
    case CheckRule::CompanyDates:
        return "company-dates";
    case CheckRule::SlotOutsideTable:
        return "slot-outside-table";
    case CheckRule::Exposure:
        return "exposure";
    }
    return "";
}

size_t CountProblems(const Findings &findings)
{
    return static_cast<size_t>(std::count_if(findings.begin(), findings.end(),
                                             [](const Finding &f) { return f.isProblem(); }));
}
