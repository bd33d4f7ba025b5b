#pragma once

#include "numbers/fixeddecimal.h"
#include "platform/result.h"
#include "records/ciftadoc.h"
#include "records/listcolumn.h"
#include "report/reportrow.h"
#include "report/reportsums.h"

#include <string>
#include <vector>

// How the report rounds fuel: to hundredths, or to whole gallons or litres as many base
// jurisdictions' filing portals do (fuel paid and taxable fuel rounded half up to whole
// units, the tax's halves away from zero).
enum class FuelRounding { Hundredths, WholeUnits };

// The quarterly report of a record: one row per jurisdiction with distance or fuel, and
// the totals of every column. It is derived from the document whenever it is needed, so
// it can never be older than the trip lines or the rates. Every figure is exact: sums of
// the stored hundredths, the unit factors applied once per row, one rounding per figure.
struct Report {
    std::vector<ReportRow> rows;
    ReportTotals totals;
    FuelRounding rounding = FuelRounding::Hundredths;
    // Trip lines left out because their slot lies outside the table (ReportSlotNotice).
    size_t linesOutsideTable = 0;
    // The rows (slots) whose lines carry different rates: each is taxed at the rate of
    // its last line in the record (ReportMixedRatesNotice).
    std::vector<int> mixedRateSlots;
};

// Builds the report from the trip lines (one pass, sums kept per slot) and the loaded
// table.
Report ComputeReport(const CIftaDoc &doc, FuelRounding rounding = FuelRounding::Hundredths);
// The same report from sums already made, line by line as a file was read.
Report ComputeReport(const ReportSums &sums, FuelRounding rounding = FuelRounding::Hundredths);

// The report of a record file, made as the file is read a block at a time, keeping none
// of its lines (tollmark-cli's report of a million lines): `doc` takes the file's header
// and no lines, `report` the report its lines make and `otherRates` the number of
// jurisdictions whose lines carry other rates than the loaded table's
// (CIftaDoc::jurisdictionsWithOtherRates). Fails as ReadRecordFile does.
Result ReportRecordFile(CIftaDoc &doc, const std::string &path, FuelRounding rounding,
                        Report &report, int &otherRates);

// A row's derived figures, as the list and the printed forms show them: taxable fuel =
// distance / average rounded (to cents, or to whole units), difference = taxable fuel -
// fuel paid, tax = difference * rate rounded to cents.
struct ReportRowFigures {
    Hundredths taxableFuel;
    Hundredths difference;
    Hundredths tax;
};
ReportRowFigures ComputeRowFigures(const ReportRow &row, Hundredths fleetAverage,
                                   FuelRounding rounding = FuelRounding::Hundredths);

// Fuel in the report's unit from sums in hundredths of litres and of gallons: the exact
// sum of both, rounded once, to hundredths or to whole units.
Hundredths FuelInReportUnit(int64_t litres, int64_t gallons, bool metric,
                            FuelRounding rounding = FuelRounding::Hundredths);

// The fleet average of a distance over the fuel paid as shown, rounded to cents with
// halves up; kInvalidFleetAverage when no fuel was paid.
Hundredths FleetAverage(int64_t distance, Hundredths fuelPaid);

// The ten report columns for the carrier's country.
std::vector<ListColumn> ReportColumns(const std::string &country);

// The list lines of a report: one per row, then an empty line and the totals line (no
// lines at all when the record has no rows).
std::vector<ListLine> ReportLines(const Report &report, const CIftaDoc &doc);

// Computes the document's report and gives its list lines.
std::vector<ListLine> ListReport(const CIftaDoc &doc,
                                 FuelRounding rounding = FuelRounding::Hundredths);

// The line shown above the report (and on tollmark-cli's standard error) when `count`
// jurisdictions of the record carry other rates than the loaded table's: "N
// jurisdictions use rates that differ from the loaded table: File > Save/Update Tax
// Rates applies them". Empty for 0.
std::string ReportRatesNotice(int count);

// The line told beside the report when rows' lines carry different rates: "Trip lines in
// QC carry different rates: its row is taxed at the rate of its last line (View > Check
// lists them)". Empty when none do.
std::string ReportMixedRatesNotice(const Report &report, const TaxRateTable &table);

// The line told beside the report when `count` trip lines name a slot outside the table
// and are left out of it. Empty for 0.
std::string ReportSlotNotice(size_t count);
// The trip lines of the document whose slot lies outside the table.
size_t LinesOutsideTable(const CIftaDoc &doc);
