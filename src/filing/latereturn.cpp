#include "filing/latereturn.h"

#include "filing/duedate.h"

#include <algorithm>

namespace {

constexpr Cents kMinimumPenalty = 5000;

// The summed factors of the `months` months up to and including the month of `filed`,
// each month taking its own period's factor.
bool SumFactors(const InterestRateTable &rates, InterestBase base, const CivilDate &filed,
                int32_t months, Millionths &sum, std::string &missing)
{
    sum = 0;
    for (int64_t number = filed.monthNumber() - months + 1; number <= filed.monthNumber();
         ++number) {
        Millionths factor = 0;
        const int32_t year = static_cast<int32_t>(number / 12);
        const int32_t month = static_cast<int32_t>(number % 12) + 1;
        if (!rates.monthlyFactor(base, year, month, factor, missing))
            return false;
        sum += factor;
    }
    return true;
}

} // namespace

Cents RowTaxCents(const ReportRow &row, const Report &report)
{
    return ComputeRowFigures(row, report.totals.fleetAverage, report.rounding).tax.units;
}

Cents LatePenalty(Cents netTax)
{
    if (netTax <= 0)
        return kMinimumPenalty;
    // A tenth of the cents, halves upward.
    return std::max(kMinimumPenalty, (netTax + 5) / 10);
}

Cents JurisdictionInterest(Cents tax, Millionths factorSum)
{
    return tax > 0 ? MultiplyRoundHalfUp(tax, factorSum) : 0;
}

Result ComputeLateReturn(const Report &report, int32_t year, int32_t quarter,
                         const std::string &country, const FilingChoices &choices,
                         const InterestRateTable &rates, LateReturn &out)
{
    if (quarter < 1 || quarter > 4 || year < 1 || year > 9998)
        return Result::failure("The record file has no valid quarter: set its tax period");
    LateReturn result;
    result.due = choices.dueSet ? choices.due : FilingDueDate(year, quarter);
    result.monthsLate = MonthsLate(year, quarter, result.due, choices.filed);
    std::string missing;
    if (result.late() && !SumFactors(rates, InterestBaseOf(country), choices.filed,
                                     result.monthsLate, result.factorSum, missing))
        return Result::failure(missing);

    for (const ReportRow &row : report.rows) {
        LateReturnRow line;
        line.slot = row.slot;
        line.tax = RowTaxCents(row, report);
        line.interest = result.late() ? JurisdictionInterest(line.tax, result.factorSum) : 0;
        result.taxTotal += line.tax;
        result.interestTotal += line.interest;
        result.rows.push_back(line);
    }
    if (result.late())
        result.penalty = choices.penaltySet ? choices.penalty : LatePenalty(result.taxTotal);
    result.totalDue = result.taxTotal + result.interestTotal + result.penalty;
    out = std::move(result);
    return Result::success();
}
