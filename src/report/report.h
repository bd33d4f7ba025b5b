#pragma once

#include "records/ciftadoc.h"
#include "records/listcolumn.h"
#include "report/reportrow.h"

#include <vector>

// Rounds to cents with halves upward, also for negatives: floor(x * 100 + 0.5) / 100,
// computed in double from the single-precision argument.
float RoundCents(float x);

// Builds the document's report rows and its distance, fuel and average totals from the
// trip lines (72 passes over the entries, one per slot).
void ComputeReport(CIftaDoc &doc);

// A row's derived figures, as the list and the printed forms show them.
struct ReportRowFigures {
    float taxableFuel = 0.0f;
    float difference = 0.0f;
    float tax = 0.0f;
};
ReportRowFigures ComputeRowFigures(const ReportRow &row, float fleetAverage);

// The ten report columns for the carrier's country.
std::vector<ListColumn> ReportColumns(const std::string &country);

// Computes the report and gives its list lines: one per row, then an empty line and the
// totals line (no lines at all when the record has no rows). Also fills the document's
// derived totals.
std::vector<ListLine> ListReport(CIftaDoc &doc);
