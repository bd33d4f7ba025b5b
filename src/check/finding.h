#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The rules of the quarter check, in the order their findings are listed. Each rule looks
// for one thing an IFTA auditor tests on the carrier's trip lines; `Exposure` is not a
// problem of the records but the cost of an audit at the default average, always last.
enum class CheckRule {
    OdometerGap,
    OdometerOverlap,
    OdometerBackwards,
    OutsideQuarter,
    FuelWithoutDistance,
    NoFuel,
    AverageRange,
    UnitAverageRange,
    RateDiffers,
    RateMixed,
    SurchargeMissing,
    DuplicateTrip,
    PeriodMismatch,
    TableCountry,
    CompanyDates,
    SlotOutsideTable,
    Exposure,
};

// The rule's id as the check lists it ("odometer-gap", ...).
const char *CheckRuleId(CheckRule rule);

// One finding of the check: the rule, the trip line it is about (0: none), the
// jurisdiction's abbreviation (empty: none) and a message in plain words with the
// figures, in the carrier's units. Texts are Windows-1252 bytes.
struct Finding {
    CheckRule rule = CheckRule::OdometerGap;
    int32_t trip = 0;
    std::string jurisdiction;
    std::string message;

    // A finding about the records, as opposed to the audit exposure.
    bool isProblem() const { return rule != CheckRule::Exposure; }

    bool operator==(const Finding &o) const
    {
        return rule == o.rule && trip == o.trip && jurisdiction == o.jurisdiction &&
               message == o.message;
    }
};

using Findings = std::vector<Finding>;

// Findings other than the exposure.
size_t CountProblems(const Findings &findings);
