#include "check/quarterfigures.h"

#include "records/ciftadoc.h"
#include "records/entryresolver.h"
#include "records/units.h"
#include "report/report.h"

#include <cmath>

namespace {

// The report keeps its figures as floats rounded to cents: these give them back exactly.
int64_t Hundredths(double value)
{
    return static_cast<int64_t>(std::llround(value * 100.0));
}

int64_t TenThousandths(double value)
{
    return static_cast<int64_t>(std::llround(value * 10000.0));
}

} // namespace

int64_t DefaultAverage(bool metric)
{
    return metric ? 170 : 400;
}

QuarterFigures ReadQuarterFigures(const CIftaDoc &doc)
{
    QuarterFigures figures;
    const Report report = ComputeReport(doc);
    const ReportTotals &totals = report.totals;
    figures.totalDistance = totals.totalDistance;
    figures.totalFuelPaid = Hundredths(totals.totalFuelPaid);
    figures.averageValid = !report.rows.empty() && totals.fleetAverage != kInvalidFleetAverage;
    figures.fleetAverage = figures.averageValid ? Hundredths(totals.fleetAverage) : 0;
    figures.tax = Hundredths(totals.totalTax);

    const float defaultAverage =
        static_cast<float>(DefaultAverage(IsCanada(doc.company().country))) / 100.0f;
    for (const ReportRow &row : report.rows) {
        SlotFigures &slot = figures.slots[static_cast<size_t>(row.slot)];
        slot.listed = true;
        slot.distance = row.distance;
        slot.fuelPaid = Hundredths(row.fuelPaid);
        slot.surcharge = row.surcharge != 0;
        figures.taxAtDefault += Hundredths(ComputeRowFigures(row, defaultAverage).tax);
    }
    return figures;
}

int64_t EntryFuel(const TripEntry &entry)
{
    return Hundredths(entry.fuel);
}

int64_t EntryRate(const TripEntry &entry)
{
    return TenThousandths(entry.rate);
}

int64_t SlotRateUnits(const TaxRate &rate, bool diesel)
{
    return TenThousandths(SlotRate(rate, diesel));
}
