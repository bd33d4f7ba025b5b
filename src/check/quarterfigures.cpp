#include "check/quarterfigures.h"

#include "records/ciftadoc.h"
#include "records/entryresolver.h"
#include "records/units.h"
#include "report/report.h"
#include "report/vehiclerecord.h"

#include <algorithm>

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
    figures.totalFuelPaid = totals.totalFuelPaid.units;
    figures.averageValid = !report.rows.empty() && totals.fleetAverage != kInvalidFleetAverage;
    figures.fleetAverage = figures.averageValid ? totals.fleetAverage.units : 0;
    figures.tax = totals.totalTax.units;

    const Hundredths defaultAverage{DefaultAverage(IsCanada(doc.company().country))};
    for (const ReportRow &row : report.rows) {
        SlotFigures &slot = figures.slots[static_cast<size_t>(row.slot)];
        slot.listed = true;
        slot.distance = row.distance;
        slot.fuelPaid = row.fuelPaid.units;
        slot.surcharge = row.surcharge != 0;
        figures.taxAtDefault += ComputeRowFigures(row, defaultAverage).tax.units;
    }
    const CIftaDoc::Entries &entries = doc.entries();
    if (std::any_of(entries.begin(), entries.end(),
                    [](const TripEntry &e) { return !e.reservedText.empty(); })) {
        for (const VehicleRecord &vehicle : ComputeFleetRecord(doc).vehicles) {
            if (vehicle.average != kInvalidFleetAverage)
                figures.unitAverages.push_back({vehicle.unit, vehicle.average.units});
        }
    }
    return figures;
}

int64_t EntryFuel(const TripEntry &entry)
{
    return entry.fuel.units;
}

int64_t EntryRate(const TripEntry &entry)
{
    return entry.rate.units;
}

int64_t SlotRateUnits(const TaxRate &rate, bool diesel)
{
    return SlotRate(rate, diesel).units;
}
