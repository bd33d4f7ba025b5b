// The rules on fuel and the fleet average, read from the return's own figures, and the
// audit exposure at the default average.

#include "check/checkrules.h"

#include "numbers/decimaltext.h"
#include "numbers/uitext.h"

#include "records/ciftadoc.h"

namespace {

// The range of fleet averages trucks reach, in hundredths: 4.00-10.00 MPG, 1.70-4.25 km/L.
int64_t LowestAverage(bool metric)
{
    return metric ? 170 : 400;
}

int64_t HighestAverage(bool metric)
{
    return metric ? 425 : 1000;
}

std::string AverageText(const CheckContext &context, int64_t hundredths)
{
    return UiNumber(GroupedDecimalText(hundredths, 2)) + " " + context.averageUnit();
}

} // namespace

void CheckFuelWithoutDistance(const CheckContext &context, Findings &out)
{
    const TaxRateTable &table = context.rates.table();
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        const SlotFigures &figures = context.figures.slots[static_cast<size_t>(slot)];
        if (!figures.listed || figures.surcharge || table[slot].surcharge)
            continue;
        if (figures.fuelPaid <= 0 || figures.distance != 0)
            continue;
        out.push_back(
            {CheckRule::FuelWithoutDistance, 0, context.abbreviation(slot),
             UiArgs(UiText("CheckRules", "%1 %2 bought in %3 and no distance driven there"),
                    {UiNumber(GroupedDecimalText(figures.fuelPaid, 2)), context.fuelUnit(),
                     context.name(slot)})});
    }
}

void CheckNoFuel(const CheckContext &context, Findings &out)
{
    const QuarterFigures &figures = context.figures;
    if (figures.totalDistance <= 0 || figures.totalFuelPaid != 0)
        return;
    out.push_back(
        {CheckRule::NoFuel, 0, std::string(),
         UiArgs(UiText("CheckRules", "%1 %2 driven in the quarter and no fuel bought"),
                {UiNumber(GroupedDecimalText(figures.totalDistance, 0)), context.distanceUnit()})});
}

void CheckAverageRange(const CheckContext &context, Findings &out)
{
    const QuarterFigures &figures = context.figures;
    if (!figures.averageValid)
        return;
    const int64_t low = LowestAverage(context.metric);
    const int64_t high = HighestAverage(context.metric);
    if (figures.fleetAverage >= low && figures.fleetAverage <= high)
        return;
    out.push_back({CheckRule::AverageRange, 0, std::string(),
                   UiArgs(UiText("CheckRules", "The fleet average of %1 is outside %2 to %3"),
                          {AverageText(context, figures.fleetAverage),
                           UiNumber(GroupedDecimalText(low, 2)), AverageText(context, high)})});
}

void CheckUnitAverageRange(const CheckContext &context, Findings &out)
{
    const int64_t low = LowestAverage(context.metric);
    const int64_t high = HighestAverage(context.metric);
    for (const UnitAverage &unit : context.figures.unitAverages) {
        if (unit.average >= low && unit.average <= high)
            continue;
        out.push_back(
            {CheckRule::UnitAverageRange, 0, std::string(),
             UiArgs(UiText("CheckRules", "The average of unit %1, %2, is outside %3 to %4"),
                    {unit.unit.empty() ? UiText("ListColumns", "(none)") : unit.unit,
                     AverageText(context, unit.average), UiNumber(GroupedDecimalText(low, 2)),
                     AverageText(context, high)})});
    }
}

void CheckExposure(const CheckContext &context, Findings &out)
{
    const QuarterFigures &figures = context.figures;
    const int64_t fallback = DefaultAverage(context.metric);
    if (!figures.averageValid || figures.fleetAverage <= fallback)
        return;
    out.push_back({CheckRule::Exposure, 0, std::string(),
                   UiArgs(UiText("CheckRules", "An audit at %1 would add %2 to the tax due"),
                          {AverageText(context, fallback),
                           UiNumber(GroupedDecimalText(figures.taxAtDefault - figures.tax, 2))})});
}
