#include "report/vehiclerecord.h"

#include "numbers/decimaltext.h"
#include "numbers/uitext.h"
#include "records/units.h"
#include "report/report.h"

#include <algorithm>
#include <map>

namespace {

// Sums of one unit, fuel in hundredths as entered (litres and gallons apart) for each
// jurisdiction.
struct UnitSums {
    std::vector<size_t> trips;
    std::map<int, std::pair<uint32_t, std::pair<int64_t, int64_t>>> bySlot;
    uint32_t distance = 0;
};

bool DigitsOnly(const std::string &text)
{
    return !text.empty() && text.size() < 16 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Numbered units by their numbers, then named ones, the empty unit last.
bool UnitBefore(const std::string &a, const std::string &b)
{
    if (a.empty() != b.empty())
        return b.empty();
    if (DigitsOnly(a) != DigitsOnly(b))
        return DigitsOnly(a);
    if (DigitsOnly(a) && std::stoll(a) != std::stoll(b))
        return std::stoll(a) < std::stoll(b);
    return a < b;
}

std::string FormatAverage(Hundredths average)
{
    return average == kInvalidFleetAverage ? std::string(UI_TEXT_NOOP("ListColumns", "Invalid"))
                                           : FormatFixed(average);
}

} // namespace

FleetRecord ComputeFleetRecord(const CIftaDoc &doc)
{
    const bool metric = IsCanada(doc.company().country);
    const CIftaDoc::Entries &entries = doc.entries();
    std::map<std::string, UnitSums> units;
    FleetRecord fleet;
    for (size_t i = 0; i < entries.size(); ++i) {
        const TripEntry &entry = entries[i];
        if (entry.surcharge)
            continue;
        UnitSums &sums = units[entry.reservedText];
        sums.trips.push_back(i);
        const uint32_t distance = ReportDistance(entry, metric);
        auto &slot = sums.bySlot[entry.slot];
        slot.first += distance;
        (entry.fuelInGallons ? slot.second.second : slot.second.first) += entry.fuel.units;
        sums.distance += distance;
        fleet.distance += distance;
        ++fleet.trips;
    }
    for (auto &[unit, sums] : units) {
        VehicleRecord vehicle;
        vehicle.unit = unit;
        vehicle.trips = std::move(sums.trips);
        // Date order; lines of one day stay in record order.
        std::stable_sort(vehicle.trips.begin(), vehicle.trips.end(),
                         [&](size_t a, size_t b) { return entries[a].date < entries[b].date; });
        // Each jurisdiction's fuel is converted once, as a report row's is; the unit's and
        // the fleet's are the sums of what is shown, so the fleet's equals the report's
        // total fuel paid wherever no two units bought gallons in one jurisdiction.
        for (const auto &[slot, sum] : sums.bySlot) {
            const Hundredths fuel = FuelInReportUnit(sum.second.first, sum.second.second, metric);
            vehicle.jurisdictions.push_back(VehicleJurisdiction{slot, sum.first, fuel});
            vehicle.fuel += fuel;
        }
        vehicle.distance = sums.distance;
        fleet.fuel += vehicle.fuel;
        vehicle.average = FleetAverage(vehicle.distance, vehicle.fuel);
        fleet.vehicles.push_back(std::move(vehicle));
    }
    std::sort(
        fleet.vehicles.begin(), fleet.vehicles.end(),
        [](const VehicleRecord &a, const VehicleRecord &b) { return UnitBefore(a.unit, b.unit); });
    fleet.average = FleetAverage(fleet.distance, fleet.fuel);
    return fleet;
}

std::vector<ListColumn> VehicleColumns()
{
    return {{UI_TEXT_NOOP("ListColumns", "Unit"), 120, true},
            {UI_TEXT_NOOP("ListColumns", "Trips"), 60, false},
            {UI_TEXT_NOOP("ListColumns", "Distance"), 100, false},
            {UI_TEXT_NOOP("ListColumns", "Fuel"), 100, false},
            {UI_TEXT_NOOP("ListColumns", "Average"), 80, false}};
}

std::vector<ListLine> VehicleLines(const FleetRecord &fleet)
{
    std::vector<ListLine> lines;
    for (const VehicleRecord &v : fleet.vehicles)
        lines.push_back({v.unit.empty() ? std::string(kNoUnit) : v.unit,
                         std::to_string(v.trips.size()), std::to_string(v.distance),
                         FormatFixed(v.fuel), FormatAverage(v.average)});
    lines.push_back({kFleetLine, std::to_string(fleet.trips), std::to_string(fleet.distance),
                     FormatFixed(fleet.fuel), FormatAverage(fleet.average)});
    return lines;
}
