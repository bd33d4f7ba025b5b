// The rules on fuel and the fleet average, read from the return's own figures, and the
// audit exposure at the default average.

#include "check/checkrules.h"

#include "numbers/decimaltext.h"

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
    return GroupedDecimalText(hundredths, 2) + " " + context.averageUnit();
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
        out.push_back({CheckRule::FuelWithoutDistance, 0, context.abbreviation(slot),
                       GroupedDecimalText(figures.fuelPaid, 2) + " " + context.fuelUnit() +
                           " bought in " + context.name(slot) + " and no distance driven there"});
    }
}

void CheckNoFuel(const CheckContext &context, Findings &out)
{
    const QuarterFigures &figures = context.figures;
    if (figures.totalDistance <= 0 || figures.totalFuelPaid != 0)
        return;
    out.push_back({CheckRule::NoFuel, 0, std::string(),
                   GroupedDecimalText(figures.totalDistance, 0) + " " + context.distanceUnit() +
                       " driven in the quarter and no fuel bought"});
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
                   "The fleet average of " + AverageText(context, figures.fleetAverage) +
                       " is outside " + GroupedDecimalText(low, 2) + " to " +
                       AverageText(context, high)});
}

void CheckUnitAverageRange(const CheckContext &context, Findings &out)
{
    const int64_t low = LowestAverage(context.metric);
    const int64_t high = HighestAverage(context.metric);
    for (const UnitAverage &unit : context.figures.unitAverages) {
        if (unit.average >= low && unit.average <= high)
            continue;
        out.push_back({CheckRule::UnitAverageRange, 0, std::string(),
                       "The average of unit " +
                           (unit.unit.empty() ? std::string("(none)") : unit.unit) + ", " +
                           AverageText(context, unit.average) + ", is outside " +
                           GroupedDecimalText(low, 2) + " to " + AverageText(context, high)});
    }
}

void CheckExposure(const CheckContext &context, Findings &out)
{
    const QuarterFigures &figures = context.figures;
    const int64_t fallback = DefaultAverage(context.metric);
    if (!figures.averageValid || figures.fleetAverage <= fallback)
        return;
    out.push_back({CheckRule::Exposure, 0, std::string(),
                   "An audit at " + AverageText(context, fallback) + " would add " +
                       GroupedDecimalText(figures.taxAtDefault - figures.tax, 2) +
                       " to the tax due"});
}
