#pragma once

#include "filing/latereturn.h"
#include "print/formcanvas.h"
#include "print/printsetup.h"
#include "records/ciftadoc.h"
#include "report/report.h"

// The IFTA quarterly fuel-use tax report form in English, one page at a time, from a
// report of the document (its rows and totals) and the document's company data, period
// and tax-rate table. The rows are printed last first, N row
// slots a page (the job's linesPerPage: 32 in portrait, 16 in landscape); every page
// repeats the header, the headings, the fleet-average box and the totals block. With a
// late return (`late`, else null) the Interest (P) and Total (Q) columns and their totals
// carry its interest, and a line under the totals its penalty and total due.

enum class FormUnits { MilesGallons, KilometresLitres };

// One page of the English form of `report`.
void PrintEnglishForm(FormCanvas &canvas, const CIftaDoc &doc, const Report &report,
                      PrintState &state, int page, FormUnits units,
                      const LateReturn *late = nullptr);

// The row slots of a page: its report rows in reverse order, then, on the page of the
// last row, empty slots up to N. Sets formRowSlots to N for the totals block. The rows
// are named from `table`.
void PrintFormRows(FormCanvas &canvas, const TaxRateTable &table, const Report &report,
                   PrintState &state, int page, const LateReturn *late = nullptr);

// One row slot: its grid and, with a row, the row's figures as the report computes them
// at its fleet average; with the row's share of a late return its interest (P) and tax
// plus interest (Q).
void PrintFormRow(FormCanvas &canvas, const TaxRateTable &table, const Report &report,
                  const PrintState &state, const ReportRow *row, int slot,
                  const LateReturnRow *late = nullptr);

// "INVALID" for the no-average marker, else the average with two decimals.
QString FormAverageText(Hundredths fleetAverage);

// Lowest form y any part of a form page with `rowSlots` slots reaches.
int EnglishFormBottom(int rowSlots, FuelRounding rounding = FuelRounding::Hundredths);

// Parts both forms draw alike.
namespace FormParts {
// The five fuel-type check boxes.
void DrawFuelCheckBoxes(FormCanvas &canvas);
// Header cells, fuel box, the fuel-type "X" marks, IFTA number and company name.
void DrawHeaderCells(FormCanvas &canvas, const CompanyInfo &company);
// The heading band and the column letters (F) to (Q).
void DrawHeadingBand(FormCanvas &canvas);
// The five fleet-average boxes and their values.
void DrawAverageBoxes(FormCanvas &canvas, const ReportTotals &totals);
// The totals grid below the slots (top c), its signs and its values; a late return's
// interest total in (P) and its tax and interest in (Q).
void DrawTotalsBlock(FormCanvas &canvas, const ReportTotals &totals, int c,
                     const LateReturn *late = nullptr);
// A late return's penalty (under P) and total due (under Q) on one line at form y `y`,
// each after its label.
void DrawLateLine(FormCanvas &canvas, const LateReturn &late, int y, const QString &penaltyLabel,
                  const QString &totalLabel);
} // namespace FormParts
