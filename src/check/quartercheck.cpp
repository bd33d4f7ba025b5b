#include "check/quartercheck.h"

#include "check/checkcontext.h"
#include "check/checkrules.h"
#include "numbers/uitext.h"
#include "records/ciftadoc.h"

#include <algorithm>

namespace {

using Rule = void (*)(const CheckContext &, Findings &);

// The rules in the order their findings are listed (the order of CheckRule).
// clang-format off
constexpr Rule kRules[] = {
    CheckOdometerGaps,     CheckOdometerOverlaps,    CheckOdometerBackwards,
    CheckOutsideQuarter,   CheckFuelWithoutDistance, CheckNoFuel,
    CheckAverageRange,     CheckUnitAverageRange,    CheckRateDiffers,
    CheckRateMixed,        CheckSurchargeMissing,    CheckDuplicateTrips,
    CheckPeriodMismatch,   CheckTableCountry,        CheckCompanyDates,
    CheckSlotOutsideTable, CheckExposure,
};
// clang-format on

} // namespace

Findings CheckQuarter(const CIftaDoc &doc, const LoadedTaxTable &rates)
{
    const CheckContext context(doc, rates);
    Findings findings;
    for (Rule rule : kRules) {
        const size_t first = findings.size();
        rule(context, findings);
        // Rules over lines in trip order already give them by trip; a record numbered out
        // of record order still lists by trip number.
        std::stable_sort(findings.begin() + static_cast<std::ptrdiff_t>(first), findings.end(),
                         [](const Finding &a, const Finding &b) { return a.trip < b.trip; });
    }
    return findings;
}

std::vector<ListColumn> CheckColumns()
{
    return {{UI_TEXT_NOOP("ListColumns", "Rule"), 150, true},
            {UI_TEXT_NOOP("ListColumns", "Trip"), 50, false},
            {UI_TEXT_NOOP("ListColumns", "Jurisdiction"), 80, true},
            {UI_TEXT_NOOP("ListColumns", "Message"), 560, true}};
}

ListLine CheckLine(const Finding &finding)
{
    return {CheckRuleId(finding.rule), finding.trip ? std::to_string(finding.trip) : std::string(),
            finding.jurisdiction, finding.message};
}

std::string PrintAnywayQuestion(size_t problems)
{
    return UiArgs(
        problems == 1
            ? UiText("CheckRules", "The check found %1 problem in this quarter. Print anyway?")
            : UiText("CheckRules", "The check found %1 problems in this quarter. Print anyway?"),
        {std::to_string(problems)});
}
