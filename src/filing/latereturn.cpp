#include "filing/latereturn.h"

#include "filing/duedate.h"
#include "numbers/exactround.h"
#include "numbers/uitext.h"

#include <algorithm>

namespace {

constexpr Hundredths kMinimumPenalty{5000};

const char kTooLarge[] = UI_TEXT_NOOP(
    "LateReturn", "The late-return figures are too large to compute: check the trip lines' fuel "
                  "and the tax rates");

// The summed factors of the `months` months up to and including the month of `filed`,
// each month taking its own period's factor.
bool SumFactors(const InterestRateTable &rates, InterestBase base, const CivilDate &filed,
                int32_t months, Millionths &sum, std::string &missing)
{
    sum = Millionths{};
    for (int32_t back = months - 1; back >= 0; --back) {
        const CivilDate month = filed.plusMonths(-back);
        Millionths factor;
        if (!rates.monthlyFactor(base, month.year, month.month, factor, missing))
            return false;
        if (!ExactRound::Add(sum, factor, sum)) {
            missing = UiText("LateReturn", kTooLarge);
            return false;
        }
    }
    return true;
}

} // namespace

Hundredths RowTax(const ReportRow &row, const Report &report)
{
    return ComputeRowFigures(row, report.totals.fleetAverage, report.rounding).tax;
}

Hundredths LatePenalty(Hundredths netTax)
{
    if (netTax.units <= 0)
        return kMinimumPenalty;
    // A tenth of the cents, halves upward.
    return std::max(kMinimumPenalty, Hundredths{ExactRound::HalfUp(netTax.units, 10)});
}

bool JurisdictionInterest(Hundredths tax, Millionths factorSum, Hundredths &interest)
{
    if (tax.units <= 0) {
        interest = Hundredths{};
        return true;
    }
    return ExactRound::MultiplyHalfUp(tax, factorSum, interest);
}

namespace {

// The rows' tax and interest and the totals of `result`; false when a figure passes 64
// bits.
bool AddRows(const Report &report, LateReturn &result)
{
    for (const ReportRow &row : report.rows) {
        LateReturnRow line;
        line.slot = row.slot;
        line.tax = RowTax(row, report);
        if (result.late() && !JurisdictionInterest(line.tax, result.factorSum, line.interest))
            return false;
        if (!ExactRound::Add(result.taxTotal, line.tax, result.taxTotal) ||
            !ExactRound::Add(result.interestTotal, line.interest, result.interestTotal))
            return false;
        if (!ExactRound::Add(line.tax, line.interest, line.total))
            return false;
        result.rows.push_back(line);
    }
    return true;
}

} // namespace

Result ComputeLateReturn(const Report &report, int32_t year, int32_t quarter,
                         const std::string &country, const FilingChoices &choices,
                         const InterestRateTable &rates, LateReturn &out)
{
    if (quarter < 1 || quarter > 4 || year < kFirstYear || year > kLastYear)
        return Result::failure(
            UiText("LateReturn", "The record file has no valid quarter: set its tax period"));
    LateReturn result;
    result.due = choices.dueSet ? choices.due : FilingDueDate(year, quarter);
    result.monthsLate = MonthsLate(year, quarter, result.due, choices.filed);
    std::string missing;
    if (result.late() && !SumFactors(rates, InterestBaseOf(country), choices.filed,
                                     result.monthsLate, result.factorSum, missing))
        return Result::failure(missing);
    if (!AddRows(report, result))
        return Result::failure(UiText("LateReturn", kTooLarge));
    if (result.late())
        result.penalty = choices.penaltySet ? choices.penalty : LatePenalty(result.taxTotal);
    if (!ExactRound::Add(result.taxTotal, result.interestTotal, result.taxAndInterest) ||
        !ExactRound::Add(result.taxAndInterest, result.penalty, result.totalDue))
        return Result::failure(UiText("LateReturn", kTooLarge));
    out = std::move(result);
    return Result::success();
}

bool MissingInterestMonth(int32_t year, int32_t quarter, const std::string &country,
                          const FilingChoices &choices, const InterestRateTable &rates,
                          CivilDate &month)
{
    if (quarter < 1 || quarter > 4 || year < kFirstYear || year > kLastYear)
        return false;
    const CivilDate due = choices.dueSet ? choices.due : FilingDueDate(year, quarter);
    const int32_t months = MonthsLate(year, quarter, due, choices.filed);
    for (int32_t back = months - 1; back >= 0; --back) {
        const CivilDate day = choices.filed.plusMonths(-back);
        Millionths factor;
        std::string missing;
        if (!rates.monthlyFactor(InterestBaseOf(country), day.year, day.month, factor, missing)) {
            month = CivilDate{day.year, day.month, 1};
            return true;
        }
    }
    return false;
}
