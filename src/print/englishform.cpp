#include "print/englishform.h"

#include "numbers/decimaltext.h"

#include "print/formpoints.h"
#include "print/printtext.h"

namespace {

// A fixed text of the form, drawn with DrawFormText and alignment 8.
struct FixedText {
    const char *text;
    int x;
    int y;
    double size;
    int style;
};

void DrawTexts(FormCanvas &canvas, const FixedText *texts, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const FixedText &t = texts[i];
        canvas.DrawFormText(t.x, t.y, QString::fromUtf8(t.text), t.style, t.size, AlignLeftBottom);
    }
}

template <size_t N>
void DrawTexts(FormCanvas &canvas, const FixedText (&texts)[N])
{
    DrawTexts(canvas, texts, N);
}

const FixedText kHeaderTexts[] = {
    {"IFTA Registration", 24, 100, 0.64, FormItalic},
    {"Name", 115, 100, 0.64, FormItalic},
    {"IFTA Quarterly Fuel Use Tax Report", 240, 40, 1.1, FormBold},
    {"Fuel used", 492, 75, 0.7, FormPlain},
    {"1         Diesel", 495, 90, 0.6, FormPlain},
    {"2         Gasoline", 567, 90, 0.6, FormPlain},
    {"4         Propane", 567, 100, 0.6, FormPlain},
    {"3         Ethanol", 495, 100, 0.6, FormPlain},
    {"5         _________________________________", 495, 110, 0.6, FormPlain},
};

const FixedText kMileHeadings[] = {
    {"Total", 194, 204, 0.7, 0},      {"Miles", 194, 214, 0.7, 0},
    {"Taxable", 248, 202, 0.7, 0},    {"Miles", 252, 212, 0.7, 0},
    {"MPG", 306, 206, 0.7, 0},        {"Taxable Fuel", 340, 202, 0.66, 0},
    {"(Gallons)", 346, 212, 0.67, 0}, {"Tax Paid", 414, 204, 0.7, 0},
    {"Gallons", 416, 212, 0.7, 0},    {"Net Taxable", 476, 202, 0.7, 0},
    {"Gallons", 482, 212, 0.7, 0},
};

const FixedText kKilometreHeadings[] = {
    {"Total", 192, 204, 0.7, 0},         {"Kilometers", 186, 214, 0.7, 0},
    {"Taxable", 248, 202, 0.7, 0},       {"Kilometers", 244, 212, 0.7, 0},
    {"Kilometers", 296, 202, 0.68, 0},   {"per Litre", 298, 212, 0.68, 0},
    {"Taxable Fuel", 340, 202, 0.66, 0}, {"(Litres)", 354, 212, 0.67, 0},
    {"Tax Paid", 414, 204, 0.7, 0},      {"Litres", 420, 212, 0.7, 0},
    {"Net Taxable", 476, 202, 0.7, 0},   {"Litres", 486, 212, 0.7, 0},
};

const FixedText kCommonHeadings[] = {
    {"Jurisdiction", 58, 212, 0.8, 0}, {"Tax", 537, 202, 0.7, 0},
    {"Rates", 534, 212, 0.7, 0},       {"Tax Due", 588, 202, 0.7, 0},
    {"or Credit", 588, 212, 0.7, 0},   {"Interest", 656, 204, 0.7, 0},
    {"Due", 662, 212, 0.7, 0},         {"Total", 728, 204, 0.7, 0},
    {"Due", 730, 212, 0.7, 0},
};

const FixedText kMileBoxTexts[] = {
    {"(A)", 84, 134, 0.7, 0},
    {"(B)", 238, 134, 0.7, 0},
    {"(C)", 388, 134, 0.7, 0},
    {"(D)", 560, 134, 0.7, 0},
    {"(E)", 724, 134, 0.7, 0},
    {"Total IFTA miles", 52, 146, 0.7, 0},
    {"Total NON IFTA miles", 198, 146, 0.7, 0},
    {"Total miles", 372, 142, 0.7, 0},
    {"(A+B)", 384, 150, 0.7, 0},
    {"Total fuel consumed (Gallons)", 524, 146, 0.7, 0},
    {"Miles per gallon (MPG)", 688, 142, 0.66, 0},
    {"(C \u00f7 D)", 718, 150, 0.64, 0},
    {"M    +", 148, 168, 0.7, 0},
    {"M    =", 298, 168, 0.7, 0},
    {"M    \u00f7", 440, 168, 0.7, 0},
    {"G    =", 663, 168, 0.7, 0},
    {"MPG", 753, 168, 0.7, 0},
};

const FixedText kKilometreBoxTexts[] = {
    {"(A)", 84, 134, 0.7, 0},
    {"(B)", 238, 134, 0.7, 0},
    {"(C)", 388, 134, 0.7, 0},
    {"(D)", 560, 134, 0.7, 0},
    {"(E)", 724, 134, 0.7, 0},
    {"Total IFTA kilometers", 38, 146, 0.7, 0},
    {"Total NON IFTA kilometers", 188, 144, 0.7, 0},
    {"Total kilometers", 364, 142, 0.7, 0},
    {"(A+B)", 384, 150, 0.7, 0},
    {"Total fuel consumed (Litres)", 524, 144, 0.7, 0},
    {"Kilometers per litre", 694, 142, 0.7, 0},
    {"(C \u00f7 D)", 718, 150, 0.64, 0},
    {"km   +", 148, 168, 0.7, 0},
    {"km   =", 298, 168, 0.7, 0},
    {"km   \u00f7", 440, 168, 0.7, 0},
    {"L    =", 663, 168, 0.7, 0},
    {"km/L", 750, 168, 0.7, 0},
};

const FixedText kTotalsLabels[] = {
    {"Total (IFTA members)", 20, 18, 0.7, 0},
    {"Total (NON IFTA members)", 20, 44, 0.7, 0},
    {"Total General", 20, 70, 0.7, 0},
};

void DrawFormulaLine(FormCanvas &canvas, int y)
{
    const FixedText formulas[] = {
        {"(J = E)", 302, y, 0.7, 0},      {"(I \u00f7 J)", 356, y, 0.7, 0},
        {"(K \u2013 L)", 486, y, 0.7, 0}, {"(M x N)", 592, y, 0.7, 0},
        {"(O + P)", 728, y, 0.7, 0},
    };
    DrawTexts(canvas, formulas);
}

void DrawEnglishHeader(FormCanvas &canvas, const CompanyInfo &company)
{
    DrawTexts(canvas, kHeaderTexts);
    FormParts::DrawFuelCheckBoxes(canvas);
    FormParts::DrawHeaderCells(canvas, company);
}

void DrawEnglishHeadings(FormCanvas &canvas, FormUnits units)
{
    FormParts::DrawHeadingBand(canvas);
    DrawTexts(canvas, kCommonHeadings);
    if (units == FormUnits::MilesGallons) {
        DrawTexts(canvas, kMileHeadings);
        DrawFormulaLine(canvas, 222);
    } else {
        DrawTexts(canvas, kKilometreHeadings);
        DrawFormulaLine(canvas, 224);
    }
}

void DrawEnglishTotals(FormCanvas &canvas, const ReportTotals &totals, int c,
                       const LateReturn *late)
{
    FormParts::DrawTotalsBlock(canvas, totals, c, late);
    for (const FixedText &t : kTotalsLabels)
        canvas.DrawFormText(t.x, c + t.y, QString::fromUtf8(t.text), 0, t.size, AlignLeftBottom);
    // Under the (O) to (Q) box, level with the non-member line.
    if (late)
        FormParts::DrawLateLine(canvas, *late, c + 44, QStringLiteral("Penalty"),
                                QStringLiteral("Total due"));
}

void DrawRight(FormCanvas &canvas, int x, int y, const QString &text)
{
    canvas.DrawFormText(x, y, text, 0, 0.7, AlignRightBottom);
}

} // namespace

QString FormAverageText(Hundredths fleetAverage)
{
    if (fleetAverage == kInvalidFleetAverage)
        return QStringLiteral("INVALID");
    return FormatAmount(fleetAverage);
}

int EnglishFormBottom(int rowSlots, FuelRounding rounding)
{
    // The whole-units note takes a line of small print under the totals.
    const int note = rounding == FuelRounding::WholeUnits ? 12 : 0;
    return FormGrid::TotalsTop(rowSlots) + 80 + note;
}

void PrintEnglishForm(FormCanvas &canvas, const CIftaDoc &doc, const Report &report,
                      PrintState &state, int page, FormUnits units, const LateReturn *late)
{
    state.setup.currentPage = page;
    if (!canvas.isPrinting())
        return;
    const TaxPeriod &period = doc.recordPeriod();
    canvas.DrawPageLabel(QString::asprintf("%dQ%d-Page %d", period.quarter, period.year, page));
    DrawEnglishHeader(canvas, doc.company());
    DrawEnglishHeadings(canvas, units);
    if (units == FormUnits::MilesGallons)
        DrawTexts(canvas, kMileBoxTexts);
    else
        DrawTexts(canvas, kKilometreBoxTexts);
    FormParts::DrawAverageBoxes(canvas, report.totals);
    PrintFormRows(canvas, doc.taxTable(), report, state, page, late);
    const int c = FormGrid::TotalsTop(state.formRowSlots);
    DrawEnglishTotals(canvas, report.totals, c, late);
    if (report.rounding == FuelRounding::WholeUnits) {
        const QString note = units == FormUnits::MilesGallons
                                 ? QStringLiteral("Fuel paid and taxable fuel are rounded to "
                                                  "whole gallons, as filing portals do.")
                                 : QStringLiteral("Fuel paid and taxable fuel are rounded to "
                                                  "whole litres, as filing portals do.");
        canvas.DrawFormText(20, c + 90, note, 0, 0.6, AlignLeftBottom);
    }
}

void PrintFormRows(FormCanvas &canvas, const TaxRateTable &table, const Report &report,
                   PrintState &state, int page, const LateReturn *late)
{
    state.setup.currentPage = page;
    const std::vector<ReportRow> &rows = report.rows;
    const long long perPage = state.linesPerPage;
    const long long n = static_cast<long long>(rows.size());
    int slot = 0;
    for (long long i = (page - 1) * perPage; i < n && i < page * perPage; ++i, ++slot) {
        // In the report's order, as the report view and the listings show it.
        const size_t index = static_cast<size_t>(i);
        const LateReturnRow *lateRow =
            late && index < late->rows.size() ? &late->rows[index] : nullptr;
        PrintFormRow(canvas, table, report, state, &rows[index], slot, lateRow);
        if (i + 1 == n) {
            for (int empty = slot + 1; empty < perPage; ++empty)
                PrintFormRow(canvas, table, report, state, nullptr, empty);
        }
    }
    state.formRowSlots = state.linesPerPage;
}

void PrintFormRow(FormCanvas &canvas, const TaxRateTable &table, const Report &report,
                  const PrintState &state, const ReportRow *row, int slot,
                  const LateReturnRow *late)
{
    const int rowHeight = state.setup.formRowHeight;
    canvas.DrawFormPolyline(FormGrid::RowGrid(slot, rowHeight), 0);
    if (!row)
        return;

    const int y = FormGrid::kRowsTop + slot * rowHeight + 14;
    const bool known = TaxRateTable::isValidSlot(row->slot);
    const TaxRate empty;
    const TaxRate &rate = known ? table[row->slot] : empty;
    const Hundredths fleetAverage = report.totals.fleetAverage;
    const ReportRowFigures figures = ComputeRowFigures(*row, fleetAverage, report.rounding);
    const int distance = static_cast<int>(row->distance);
    const QString tax = FormatAmount(figures.tax);

    canvas.DrawFormText(24, y, FromCp1252(rate.name), 0, 0.7, AlignLeftBottom);
    canvas.DrawFormText(124, y, FromCp1252(rate.abbreviation), 0, 0.7, AlignLeftBottom);
    DrawRight(canvas, 220, y, rate.surcharge ? QStringLiteral("0") : FormatNumber("%d", distance));
    DrawRight(canvas, 280, y, FormatNumber("%d", distance));
    DrawRight(canvas, 324, y, FormAverageText(fleetAverage));
    DrawRight(canvas, 380, y, FormatAmount(figures.taxableFuel));
    DrawRight(canvas, 450, y, FormatAmount(row->fuelPaid));
    DrawRight(canvas, 509, y, FormatAmount(figures.difference));
    DrawRight(canvas, 559, y, FormatAmount(row->rate));
    DrawRight(canvas, 619, y, tax);
    if (late) {
        DrawRight(canvas, 682, y, QString::fromStdString(FormatFixed(late->interest)));
        DrawRight(canvas, 754, y, QString::fromStdString(FormatFixed(late->total)));
    } else {
        DrawRight(canvas, 682, y, QStringLiteral("0.00"));
        DrawRight(canvas, 754, y, tax);
    }
}

namespace FormParts {

void DrawFuelCheckBoxes(FormCanvas &canvas)
{
    canvas.DrawFormBox(504, 82, 510, 89, 0);
    canvas.DrawFormBox(576, 82, 582, 89, 0);
    canvas.DrawFormBox(576, 92, 582, 99, 0);
    canvas.DrawFormBox(504, 92, 510, 99, 0);
    canvas.DrawFormBox(504, 102, 510, 109, 0);
}

void DrawHeaderCells(FormCanvas &canvas, const CompanyInfo &company)
{
    canvas.DrawFormPolyline(FormGrid::HeaderCells(), 0);
    canvas.DrawFormPolyline(FormGrid::FuelBox(), 0);
    if (company.diesel)
        canvas.DrawFormText(505, 90, QStringLiteral("X"), 0, 0.6, AlignLeftBottom);
    if (company.gasoline)
        canvas.DrawFormText(577, 90, QStringLiteral("X"), 0, 0.6, AlignLeftBottom);
    canvas.DrawFormPlainText(30, 110, FromCp1252(company.iftaNumber), 0.7, AlignLeftBottom);
    canvas.DrawFormPlainText(170, 110, FromCp1252(company.companyName), 1.0, AlignLeftBottom);
}

void DrawHeadingBand(FormCanvas &canvas)
{
    canvas.DrawFormPolyline(FormGrid::HeadingBand(), 0);
    const FixedText letters[] = {
        {"(F)", 76, 193, 0.7, 0},  {"(H)", 198, 193, 0.7, 0}, {"(I)", 260, 193, 0.7, 0},
        {"(J)", 310, 193, 0.7, 0}, {"(K)", 360, 193, 0.7, 0}, {"(L)", 428, 193, 0.7, 0},
        {"(M)", 490, 193, 0.7, 0}, {"(N)", 540, 193, 0.7, 0}, {"(O)", 598, 193, 0.7, 0},
        {"(P)", 664, 193, 0.7, 0}, {"(Q)", 732, 193, 0.7, 0},
    };
    DrawTexts(canvas, letters);
}

void DrawAverageBoxes(FormCanvas &canvas, const ReportTotals &totals)
{
    for (char box : {'A', 'B', 'C', 'D', 'E'})
        canvas.DrawFormPolyline(FormGrid::AverageBox(box), 0);
    const auto centred = [&canvas](int x, const QString &text) {
        canvas.DrawFormText(x, 168, text, 0, 0.7, AlignCentreBottom);
    };
    centred(88, FormatNumber("%d", totals.totalDistance));
    centred(240, FormatNumber("%d", 0));
    centred(394, FormatNumber("%d", totals.totalDistance));
    centred(575, FormatAmount(totals.totalFuelPaid));
    centred(727, FormAverageText(totals.fleetAverage));
}

void DrawTotalsBlock(FormCanvas &canvas, const ReportTotals &totals, int c, const LateReturn *late)
{
    for (int part = 0; part < 3; ++part)
        canvas.DrawFormPolyline(FormGrid::TotalsGrid(c, part), 0);
    for (int x : {168, 328}) {
        canvas.DrawFormText(x, c + 20, QStringLiteral("="), 0, 0.6, AlignLeftBottom);
        canvas.DrawFormText(x, c + 48, QStringLiteral("+"), 0, 0.6, AlignLeftBottom);
        canvas.DrawFormText(x, c + 77, QStringLiteral("="), 0, 0.6, AlignLeftBottom);
    }
    const QString distance = FormatNumber("%d", totals.totalDistance);
    const QString taxable = FormatAmount(totals.totalTaxableFuel);
    const QString paid = FormatAmount(totals.totalFuelPaid);
    const QString difference = FormatAmount(totals.totalDifference);
    const QString tax = FormatAmount(totals.totalTax);
    const QString zero = QStringLiteral("0.00");

    for (int y : {c + 17, c + 74}) {
        DrawRight(canvas, 220, y, distance);
        DrawRight(canvas, 380, y, taxable);
        DrawRight(canvas, 450, y, paid);
        DrawRight(canvas, 509, y, difference);
    }
    DrawRight(canvas, 619, c + 17, tax);
    if (late) {
        DrawRight(canvas, 682, c + 17, QString::fromStdString(FormatFixed(late->interestTotal)));
        DrawRight(canvas, 754, c + 17, QString::fromStdString(FormatFixed(late->taxAndInterest)));
    } else {
        DrawRight(canvas, 682, c + 17, FormatNumber("%.2f", 0.0));
        DrawRight(canvas, 754, c + 17, tax);
    }

    DrawRight(canvas, 220, c + 44, FormatNumber("%d", 0));
    for (int x : {380, 450, 509})
        DrawRight(canvas, x, c + 44, zero);
}

void DrawLateLine(FormCanvas &canvas, const LateReturn &late, int y, const QString &penaltyLabel,
                  const QString &totalLabel)
{
    // The penalty under (P), the total due under (Q), each label left of its amount.
    canvas.DrawFormText(576, y, penaltyLabel, 0, 0.64, AlignLeftBottom);
    DrawRight(canvas, 682, y, QString::fromStdString(FormatFixed(late.penalty)));
    canvas.DrawFormText(690, y, totalLabel, 0, 0.64, AlignLeftBottom);
    DrawRight(canvas, 754, y, QString::fromStdString(FormatFixed(late.totalDue)));
}

} // namespace FormParts
