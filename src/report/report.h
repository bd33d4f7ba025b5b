#pragma once

#include "records/ciftadoc.h"
#include "records/listcolumn.h"
#include "report/reportrow.h"

#include <vector>

// Rounds to cents with halves upward, also for negatives: floor(x * 100 + 0.5) / 100,
// computed in double from the single-precision argument.
float RoundCents(float x);

// The quarterly report of a record: one row per jurisdiction with distance or fuel, and
// the totals of every column. It is derived from the document whenever it is needed, so
// it can never be older than the trip lines or the rates.
struct Report {
    std::vector<ReportRow> rows;
    ReportTotals totals;
};

// Builds the report from the trip lines (72 passes over the entries, one per slot) and
// the loaded table.
Report ComputeReport(const CIftaDoc &doc);

// A row's derived figures, as the list and the printed forms show them.
struct ReportRowFigures {
    float taxableFuel = 0.0f;
    float difference = 0.0f;
    float tax = 0.0f;
};
ReportRowFigures ComputeRowFigures(const ReportRow &row, float fleetAverage);

// The ten report columns for the carrier's country.
std::vector<ListColumn> ReportColumns(const std::string &country);

// The list lines of a report: one per row, then an empty line and the totals line (no
// lines at all when the record has no rows).
std::vector<ListLine> ReportLines(const Report &report, const CIftaDoc &doc);

// Computes the document's report and gives its list lines.
std::vector<ListLine> ListReport(const CIftaDoc &doc);

// The line shown above the report (and on tollmark-cli's standard error) when `count`
// jurisdictions of the record carry other rates than the loaded table's: "N
// jurisdictions use rates that differ from the loaded table: File > Save/Update Tax
// Rates applies them". Empty for 0.
std::string ReportRatesNotice(int count);
