#include "report/report.h"

#include "records/textnumber.h"
#include "records/units.h"

#include <cmath>

namespace {

// One trip line reduced to what the report reads, already in the report's units. `key`
// is the slot the line counts for, or -1 when it counts nowhere (slot outside the table,
// or a zero stored rate in the kilometre report). Keeping these compact lets the 72
// passes over a large record run through a small array instead of the whole entries.
struct ReportInput {
    std::vector<int8_t> key;
    std::vector<uint32_t> distance;
    std::vector<float> fuel;
};

// Distance of a trip line in the report's unit. Kilometres from miles are rounded to the
// nearest whole kilometre from the single-precision product; miles from kilometres are
// truncated, as the return has always been computed.
uint32_t ReportDistance(const TripEntry &entry, bool metric)
{
    if (metric) {
        if (!entry.distanceInMiles)
            return entry.distance;
        const float km = static_cast<float>(entry.distance) * kKilometresPerMile;
        return static_cast<uint32_t>(RoundWhole(km));
    }
    if (entry.distanceInMiles)
        return entry.distance;
    const float miles = static_cast<float>(entry.distance) / kKilometresPerMile;
    return static_cast<uint32_t>(miles);
}

// Fuel of a trip line in the report's unit, single precision.
float ReportFuel(const TripEntry &entry, bool metric)
{
    if (metric)
        return entry.fuelInGallons ? entry.fuel * kLitresPerGallon : entry.fuel;
    return entry.fuelInGallons ? entry.fuel : entry.fuel / kLitresPerGallon;
}

ReportInput PrepareInput(const std::vector<TripEntry> &entries, bool metric)
{
    ReportInput input;
    input.key.resize(entries.size());
    input.distance.resize(entries.size());
    input.fuel.resize(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const TripEntry &entry = entries[i];
        // The kilometre report has always left out lines whose stored rate is exactly
        // zero; the mile report does not look at the rate.
        const bool counts = TaxRateTable::isValidSlot(entry.slot) && (!metric || entry.rate != 0.0);
        input.key[i] = counts ? static_cast<int8_t>(entry.slot) : int8_t{-1};
        input.distance[i] = counts ? ReportDistance(entry, metric) : 0;
        input.fuel[i] = counts ? ReportFuel(entry, metric) : 0.0f;
    }
    return input;
}

// One slot's row: its distance and fuel summed in record order; the last contributing
// line decides the rate and the surcharge flag.
ReportRow BuildRow(int slot, const CIftaDoc &doc, const ReportInput &input)
{
    const TaxRate &taxRate = doc.taxTable()[slot];
    ReportRow row;
    row.slot = slot;
    row.rate = doc.isDiesel() ? taxRate.dieselRate : taxRate.gasolineRate;
    row.surcharge = taxRate.surcharge;
    const int8_t key = static_cast<int8_t>(slot);
    const size_t count = input.key.size();
    size_t last = count;
    for (size_t i = 0; i < count; ++i) {
        if (input.key[i] != key)
            continue;
        row.distance += input.distance[i];
        row.fuelPaid = input.fuel[i] + row.fuelPaid;
        last = i;
    }
    // Each contributing line replaces rate and flag in turn, so the last one's stand.
    if (last < count) {
        row.rate = doc.entries()[last].rate;
        row.surcharge = doc.entries()[last].surcharge;
    }
    return row;
}

// Numbers as printf's "%d" and "%.Nf" write them in the C locale, whatever locale the
// window toolkit has set: a report reads the same on every machine.
std::string FormatInt(int32_t value)
{
    std::string text;
    AppendInt(text, value);
    return text;
}

std::string FormatAverage(float fleetAverage)
{
    if (fleetAverage == kInvalidFleetAverage)
        return "Invalid";
    return FormatFixed(fleetAverage, 2);
}

ListLine RowLine(const ReportRow &row, const ReportRowFigures &figures, float fleetAverage,
                 const CIftaDoc &doc)
{
    const TaxRate &taxRate = doc.taxTable()[row.slot];
    const std::string distance = FormatInt(static_cast<int32_t>(row.distance));
    return ListLine{taxRate.name,
                    taxRate.abbreviation,
                    row.surcharge ? std::string("0") : distance,
                    distance,
                    FormatAverage(fleetAverage),
                    FormatFixed(figures.taxableFuel, 2),
                    FormatFixed(row.fuelPaid, 2),
                    FormatFixed(figures.difference, 2),
                    FormatFixed(row.rate, 4),
                    FormatFixed(figures.tax, 2)};
}

ListLine TotalsLine(const ReportTotals &totals)
{
    return ListLine{"Total",
                    std::string(),
                    FormatInt(totals.totalDistance),
                    FormatInt(totals.taxableDistance),
                    FormatAverage(totals.fleetAverage),
                    FormatFixed(totals.totalTaxableFuel, 2),
                    FormatFixed(totals.totalFuelPaid, 2),
                    FormatFixed(totals.totalDifference, 2),
                    std::string(),
                    FormatFixed(totals.totalTax, 2)};
}

} // namespace

float RoundCents(float x)
{
    // Ceiling, then one cent down when the half-way point lies above: floor(v + 0.5).
    const double v = static_cast<double>(x) * 100.0;
    const double c = std::ceil(v);
    if (c - (v + 0.5) > 0.0)
        return static_cast<float>((c - 1.0) / 100.0);
    return static_cast<float>(c / 100.0);
}

Report ComputeReport(const CIftaDoc &doc)
{
    Report report;
    if (doc.entries().empty())
        return report;

    const bool metric = IsCanada(doc.company().country);
    const ReportInput input = PrepareInput(doc.entries(), metric);
    ReportTotals &totals = report.totals;
    // Distances add up as unsigned 32-bit numbers, so the totals wrap rather than overflow.
    uint32_t totalDistance = 0;
    uint32_t taxableDistance = 0;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        const ReportRow row = BuildRow(slot, doc, input);
        if (row.surcharge == 0)
            totalDistance += row.distance;
        taxableDistance += row.distance;
        totals.totalFuelPaid += row.fuelPaid;
        if (static_cast<float>(row.distance) + row.fuelPaid != 0.0f)
            report.rows.push_back(row);
    }
    totals.totalDistance = static_cast<int32_t>(totalDistance);
    totals.taxableDistance = static_cast<int32_t>(taxableDistance);

    // Surcharge lines' distance stays out of the average; no fuel at all leaves the
    // average invalid.
    if (totals.totalFuelPaid != 0.0f) {
        const float average = static_cast<float>(totals.totalDistance) / totals.totalFuelPaid;
        totals.fleetAverage = RoundCents(average);
    } else {
        totals.fleetAverage = kInvalidFleetAverage;
    }

    // The columns' totals are the sums of the rows' derived figures, in row order.
    for (const ReportRow &row : report.rows) {
        const ReportRowFigures figures = ComputeRowFigures(row, totals.fleetAverage);
        totals.totalTaxableFuel += figures.taxableFuel;
        totals.totalDifference += figures.difference;
        totals.totalTax += figures.tax;
    }
    return report;
}

ReportRowFigures ComputeRowFigures(const ReportRow &row, float fleetAverage)
{
    ReportRowFigures figures;
    // An average of zero (all distance on surcharge lines while fuel was bought) has no
    // meaningful quotient: nothing is taxable then, rather than an infinite amount. The
    // invalid marker is divided by like any other average.
    if (fleetAverage != 0.0f)
        figures.taxableFuel = RoundCents(static_cast<float>(row.distance) / fleetAverage);
    figures.difference = figures.taxableFuel - row.fuelPaid;
    figures.tax = RoundCents(static_cast<float>(figures.difference * row.rate));
    return figures;
}

std::vector<ListColumn> ReportColumns(const std::string &country)
{
    const bool metric = IsCanada(country);
    return {
        {"States", 150, true},
        {"Abbrev", 50, true},
        {metric ? "Total distance(Km)" : "Total distance(Mil)", 120, false},
        {metric ? "Taxable distance(Km)" : "Taxable distance(Mil)", 120, false},
        {metric ? "Km/L" : "MPG", 80, false},
        {"Fuel taxable", 120, false},
        {"Fuel paid", 120, false},
        {"Difference", 100, false},
        {"Tax", 60, false},
        {"To pay(+)/Credit(-)", 120, false},
    };
}

std::vector<ListLine> ReportLines(const Report &report, const CIftaDoc &doc)
{
    std::vector<ListLine> lines;
    if (report.rows.empty())
        return lines;
    lines.reserve(report.rows.size() + 2);
    const float average = report.totals.fleetAverage;
    for (const ReportRow &row : report.rows)
        lines.push_back(RowLine(row, ComputeRowFigures(row, average), average, doc));
    lines.push_back(ListLine(10));
    lines.push_back(TotalsLine(report.totals));
    return lines;
}

std::vector<ListLine> ListReport(const CIftaDoc &doc)
{
    return ReportLines(ComputeReport(doc), doc);
}

std::string ReportRatesNotice(int count)
{
    if (count <= 0)
        return {};
    const std::string what = count == 1 ? " jurisdiction uses" : " jurisdictions use";
    return std::to_string(count) + what +
           " rates that differ from the loaded table: File > Save/Update Tax Rates applies them";
}
