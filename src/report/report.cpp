#include "report/report.h"

#include "formats/recordfile.h"
#include "numbers/decimaltext.h"
#include "numbers/exactround.h"
#include "numbers/textnumber.h"
#include "numbers/uitext.h"
#include "records/ratedifferences.h"
#include "records/units.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

Hundredths FuelInReportUnit(int64_t litres, int64_t gallons, bool metric, FuelRounding rounding)
{
    // Both in hundredths of a unit times the denominator below.
    const Int128 numerator =
        Int128(litres) * kFactorScale + Int128(gallons) * kLitresPerGallonMillionths;
    const Int128 denominator = metric ? kFactorScale : kLitresPerGallonMillionths;
    if (rounding == FuelRounding::WholeUnits)
        return Hundredths{ExactRound::HalfUp(numerator, denominator * 100) * 100};
    return Hundredths{ExactRound::HalfUp(numerator, denominator)};
}

namespace {

ReportRow BuildRow(int slot, const ReportSums::Slot &sums, bool metric, FuelRounding rounding)
{
    ReportRow row;
    row.slot = slot;
    row.distance = sums.distance;
    row.fuelPaid = FuelInReportUnit(sums.litres, sums.gallons, metric, rounding);
    row.rate = sums.lastRate;
    row.surcharge = sums.lastSurcharge;
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

std::string FormatAverage(Hundredths fleetAverage)
{
    if (fleetAverage == kInvalidFleetAverage)
        return UI_TEXT_NOOP("ListColumns", "Invalid");
    return FormatFixed(fleetAverage);
}

ListLine RowLine(const ReportRow &row, const ReportRowFigures &figures, Hundredths fleetAverage,
                 const CIftaDoc &doc)
{
    const TaxRate &taxRate = doc.taxTable()[row.slot];
    const std::string distance = FormatInt(static_cast<int32_t>(row.distance));
    return ListLine{taxRate.name,
                    taxRate.abbreviation,
                    row.surcharge ? std::string("0") : distance,
                    distance,
                    FormatAverage(fleetAverage),
                    FormatFixed(figures.taxableFuel),
                    FormatFixed(row.fuelPaid),
                    FormatFixed(figures.difference),
                    FormatFixed(row.rate),
                    FormatFixed(figures.tax)};
}

ListLine TotalsLine(const ReportTotals &totals)
{
    return ListLine{UI_TEXT_NOOP("ListColumns", "Total"),
                    std::string(),
                    FormatInt(totals.totalDistance),
                    FormatInt(totals.taxableDistance),
                    FormatAverage(totals.fleetAverage),
                    FormatFixed(totals.totalTaxableFuel),
                    FormatFixed(totals.totalFuelPaid),
                    FormatFixed(totals.totalDifference),
                    std::string(),
                    FormatFixed(totals.totalTax)};
}

} // namespace

Report ComputeReport(const CIftaDoc &doc, FuelRounding rounding)
{
    ReportSums sums(IsCanada(doc.company().country));
    sums.add(doc.entries());
    return ComputeReport(sums, rounding);
}

Result ReportRecordFile(CIftaDoc &doc, const std::string &path, FuelRounding rounding,
                        Report &report, int &otherRates)
{
    std::optional<ReportSums> sums;
    std::optional<RateDifferences> differences;
    const auto sum = [&](const RecordHeader &header, const std::vector<TripEntry> &lines) {
        if (!sums) {
            sums.emplace(IsCanada(header.company.country));
            differences.emplace(doc.taxTable(), doc.isDieselAfter(header));
        }
        sums->add(lines);
        for (const TripEntry &line : lines)
            differences->add(line);
    };
    const Result read = ReadRecordFileInBlocks(doc, path, sum);
    report = read && sums ? ComputeReport(*sums, rounding) : Report{{}, {}, rounding, 0, {}};
    otherRates = read && differences ? differences->count() : 0;
    return read;
}

Report ComputeReport(const ReportSums &sums, FuelRounding rounding)
{
    Report report;
    report.rounding = rounding;
    report.linesOutsideTable = sums.linesOutsideTable();
    if (sums.lines() == 0)
        return report;

    ReportTotals &totals = report.totals;
    // Distances add up as unsigned 32-bit numbers, so the totals wrap rather than overflow.
    uint32_t totalDistance = 0;
    uint32_t taxableDistance = 0;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        const ReportSums::Slot &slotSums = sums.slot(slot);
        if (!slotSums.counted)
            continue;
        const ReportRow row = BuildRow(slot, slotSums, sums.metric(), rounding);
        // A row shows when it has something to show; the totals are its columns' sums.
        if (row.distance == 0 && row.fuelPaid.isZero())
            continue;
        if (slotSums.mixedRates)
            report.mixedRateSlots.push_back(slot);
        if (row.surcharge == 0)
            totalDistance += row.distance;
        taxableDistance += row.distance;
        totals.totalFuelPaid += row.fuelPaid;
        report.rows.push_back(row);
    }
    totals.totalDistance = static_cast<int32_t>(totalDistance);
    totals.taxableDistance = static_cast<int32_t>(taxableDistance);
    // Surcharge lines' distance stays out of the average.
    totals.fleetAverage = FleetAverage(totals.totalDistance, totals.totalFuelPaid);

    for (const ReportRow &row : report.rows) {
        const ReportRowFigures figures = ComputeRowFigures(row, totals.fleetAverage, rounding);
        totals.totalTaxableFuel += figures.taxableFuel;
        totals.totalDifference += figures.difference;
        totals.totalTax += figures.tax;
    }
    return report;
}

Hundredths FleetAverage(int64_t distance, Hundredths fuelPaid)
{
    if (fuelPaid.isZero())
        return kInvalidFleetAverage;
    // distance / (fuel / 100) in hundredths: 10000 * distance / fuel.
    return Hundredths{ExactRound::HalfUp(Int128(distance) * 10000, fuelPaid.units)};
}

ReportRowFigures ComputeRowFigures(const ReportRow &row, Hundredths fleetAverage,
                                   FuelRounding rounding)
{
    const bool whole = rounding == FuelRounding::WholeUnits;
    ReportRowFigures figures;
    // An average of zero (all distance on surcharge lines while fuel was bought) has no
    // meaningful quotient: nothing is taxable then, rather than an infinite amount. The
    // invalid marker is divided by like any other average.
    if (!fleetAverage.isZero()) {
        // distance / (average / 100), in hundredths or in whole units.
        const Int128 distance = Int128(row.distance) * (whole ? 100 : 10000);
        const int64_t taxable = ExactRound::HalfUp(distance, fleetAverage.units);
        figures.taxableFuel = Hundredths{whole ? taxable * 100 : taxable};
    }
    figures.difference = figures.taxableFuel - row.fuelPaid;
    // Hundredths times ten-thousandths, back to hundredths.
    const Int128 tax = Int128(figures.difference.units) * row.rate.units;
    figures.tax = Hundredths{whole ? ExactRound::HalfAwayFromZero(tax, 10000)
                                   : ExactRound::HalfUp(tax, 10000)};
    return figures;
}

std::vector<ListColumn> ReportColumns(const std::string &country)
{
    const bool metric = IsCanada(country);
    return {
        {UI_TEXT_NOOP("ListColumns", "States"), 150, true},
        {UI_TEXT_NOOP("ListColumns", "Abbrev"), 50, true},
        {metric ? UI_TEXT_NOOP("ListColumns", "Total distance(Km)")
                : UI_TEXT_NOOP("ListColumns", "Total distance(Mil)"),
         120, false},
        {metric ? UI_TEXT_NOOP("ListColumns", "Taxable distance(Km)")
                : UI_TEXT_NOOP("ListColumns", "Taxable distance(Mil)"),
         120, false},
        {metric ? UI_TEXT_NOOP("ListColumns", "Km/L") : UI_TEXT_NOOP("ListColumns", "MPG"), 80,
         false},
        {UI_TEXT_NOOP("ListColumns", "Fuel taxable"), 120, false},
        {UI_TEXT_NOOP("ListColumns", "Fuel paid"), 120, false},
        {UI_TEXT_NOOP("ListColumns", "Difference"), 100, false},
        {UI_TEXT_NOOP("ListColumns", "Tax"), 60, false},
        {UI_TEXT_NOOP("ListColumns", "To pay(+)/Credit(-)"), 120, false},
    };
}

std::vector<ListLine> ReportLines(const Report &report, const CIftaDoc &doc)
{
    std::vector<ListLine> lines;
    if (report.rows.empty())
        return lines;
    lines.reserve(report.rows.size() + 2);
    const Hundredths average = report.totals.fleetAverage;
    for (const ReportRow &row : report.rows)
        lines.push_back(
            RowLine(row, ComputeRowFigures(row, average, report.rounding), average, doc));
    lines.push_back(ListLine(10));
    lines.push_back(TotalsLine(report.totals));
    return lines;
}

std::vector<ListLine> ListReport(const CIftaDoc &doc, FuelRounding rounding)
{
    return ReportLines(ComputeReport(doc, rounding), doc);
}

std::string ReportRatesNotice(int count)
{
    if (count <= 0)
        return {};
    return UiArgs(count == 1 ? UiText("Report", "%1 jurisdiction uses rates that differ from the "
                                                "loaded table: File > Save/Update Tax Rates "
                                                "applies them")
                             : UiText("Report", "%1 jurisdictions use rates that differ from the "
                                                "loaded table: File > Save/Update Tax Rates "
                                                "applies them"),
                  {std::to_string(count)});
}

std::string ReportMixedRatesNotice(const Report &report, const TaxRateTable &table)
{
    if (report.mixedRateSlots.empty())
        return {};
    std::string names;
    for (int slot : report.mixedRateSlots) {
        // A slot the table names no abbreviation (a damaged file's) is named by number.
        const std::string &abbreviation = table[slot].abbreviation;
        names += (names.empty() ? "" : ", ") +
                 (abbreviation.empty() ? UiArgs(UiText("Report", "slot %1"), {std::to_string(slot)})
                                       : abbreviation);
    }
    const bool one = report.mixedRateSlots.size() == 1;
    return UiArgs(one ? UiText("Report", "Trip lines in %1 carry different rates: its row is taxed "
                                         "at the rate of its last line (View > Check lists them)")
                      : UiText("Report", "Trip lines in %1 carry different rates: each row is "
                                         "taxed at the rate of its last line (View > Check lists "
                                         "them)"),
                  {names});
}

std::string ReportSlotNotice(size_t count)
{
    if (count == 0)
        return {};
    return count == 1
               ? UiText("Report", "1 trip line names a jurisdiction slot outside the "
                                  "tax-rate table; it is left out of the report")
               : UiArgs(UiText("Report", "%1 trip lines name a jurisdiction slot outside the "
                                         "tax-rate table; they are left out of the report"),
                        {std::to_string(count)});
}

size_t LinesOutsideTable(const CIftaDoc &doc)
{
    return static_cast<size_t>(
        std::count_if(doc.entries().begin(), doc.entries().end(),
                      [](const TripEntry &line) { return !TaxRateTable::isValidSlot(line.slot); }));
}
