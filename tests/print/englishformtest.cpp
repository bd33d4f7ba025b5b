// The English return form drawn on a recording canvas: the texts, positions, sizes,
// styles and alignments of its header, headings, fleet-average box, rows and totals, in
// both unit systems, and how the report's rows fill the pages.

#include "print/englishform.h"
#include "print/formpoints.h"
#include "printfixtures.h"
#include "recordingcanvas.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char *text;
    int x;
    int y;
    double size;
    int style;
    int align;
};

// Checks that each expected text was drawn once with that position, size, style and
// alignment.
void ExpectTexts(const RecordingCanvas &canvas, const std::vector<Expected> &expected)
{
    for (const Expected &e : expected) {
        const QString text = QString::fromUtf8(e.text);
        bool found = false;
        for (const CanvasCall &c : canvas.texts(text)) {
            if (c.x == e.x && c.y == e.y && c.size == e.size && c.style == e.style &&
                c.align == e.align)
                found = true;
        }
        EXPECT_TRUE(found) << "missing " << e.text << " at " << e.x << "," << e.y;
    }
}

RecordingCanvas PrintPage(const PrintFixture &f, PrintState &state, int page, FormUnits units)
{
    RecordingCanvas canvas;
    PrintEnglishForm(canvas, *f.doc, f.report, state, page, units);
    return canvas;
}

// The name the fixture's table gives slot `s`.
QString NameOf(int s)
{
    return s == 5 ? QStringLiteral("KY Surcharge") : QString("State %1").arg(s);
}

// Top of the row slot whose first value, the jurisdiction name, is `name`; -1 if none.
int SlotOfName(const RecordingCanvas &canvas, const QString &name)
{
    for (const CanvasCall &c : canvas.texts(name))
        if (c.x == 24)
            return (c.y - 14 - FormGrid::kRowsTop) / 16;
    return -1;
}

TEST(EnglishForm, HeaderIsTheSameInBothUnitSystems)
{
    PrintFixture f = MakeReportDoc(3, "US", "IA");
    for (FormUnits units : {FormUnits::MilesGallons, FormUnits::KilometresLitres}) {
        PrintState state = FormState(32);
        const RecordingCanvas canvas = PrintPage(f, state, 2, units);
        // The label names the quarter and year of the record and the page.
        ASSERT_FALSE(canvas.ofKind(CanvasCall::PageLabel).empty());
        EXPECT_EQ(canvas.ofKind(CanvasCall::PageLabel)[0].text, "3Q2005-Page 2");
        ExpectTexts(canvas,
                    {
                        {"IFTA Registration", 24, 100, 0.64, FormItalic, 8},
                        {"Name", 115, 100, 0.64, FormItalic, 8},
                        {"IFTA Quarterly Fuel Use Tax Report", 240, 40, 1.1, FormBold, 8},
                        {"Fuel used", 492, 75, 0.7, 0, 8},
                        {"1         Diesel", 495, 90, 0.6, 0, 8},
                        {"2         Gasoline", 567, 90, 0.6, 0, 8},
                        {"4         Propane", 567, 100, 0.6, 0, 8},
                        {"3         Ethanol", 495, 100, 0.6, 0, 8},
                        {"5         _________________________________", 495, 110, 0.6, 0, 8},
                        {"X", 505, 90, 0.6, 0, 8},
                    });
        const std::vector<CanvasCall> boxes = canvas.ofKind(CanvasCall::Box);
        ASSERT_EQ(boxes.size(), 5u);
        EXPECT_EQ(boxes[0].x, 504);
        EXPECT_EQ(boxes[0].y2, 89);
        EXPECT_EQ(boxes[2].x, 576);
        EXPECT_EQ(boxes[2].y, 92);
        EXPECT_EQ(boxes[4].y, 102);
        // Company texts take the reference font as it is: plain-text calls, not styled.
        const std::vector<CanvasCall> plain = canvas.ofKind(CanvasCall::PlainText);
        ASSERT_EQ(plain.size(), 2u);
        EXPECT_EQ(plain[0].text, "1234567890QC");
        EXPECT_EQ(plain[0].x, 30);
        EXPECT_EQ(plain[0].size, 0.7);
        EXPECT_EQ(plain[1].text, QString::fromUtf8("Transport Boréal inc."));
        EXPECT_EQ(plain[1].x, 170);
        EXPECT_EQ(plain[1].y, 110);
        EXPECT_EQ(plain[1].size, 1.0);
    }
}

TEST(EnglishForm, FuelMarksFollowTheCompanyFlags)
{
    PrintFixture f = MakeReportDoc(1, "US", "IA");
    const auto marks = [&f]() {
        PrintState state = FormState(32);
        return PrintPage(f, state, 1, FormUnits::MilesGallons).texts("X");
    };
    EditCompany(*f.doc, [](CompanyInfo &company) {
        company.diesel = 0;
        company.gasoline = 0;
    });
    EXPECT_TRUE(marks().empty());
    EditCompany(*f.doc, [](CompanyInfo &company) { company.gasoline = 1; });
    ASSERT_EQ(marks().size(), 1u);
    EXPECT_EQ(marks()[0].x, 577);
    EditCompany(*f.doc, [](CompanyInfo &company) { company.diesel = 1; });
    EXPECT_EQ(marks().size(), 2u);
}

TEST(EnglishForm, RowValuesAndSurchargeLine)
{
    PrintFixture f = MakeReportDoc(6, "US", "IA");
    // Row 1: 101 units, 11 paid at 0.11; average 5.62 gives 17.97 taxable, 6.97 more
    // than paid, 0.77 tax. Row 5 is the surcharge slot.
    PrintState state = FormState(32);
    const RecordingCanvas canvas = PrintPage(f, state, 1, FormUnits::MilesGallons);
    // Six rows in the report's order: row 1 is in slot 1.
    const int slot = SlotOfName(canvas, "State 1");
    ASSERT_EQ(slot, 1);
    const int y = FormGrid::kRowsTop + 16 * slot + 14;
    ExpectTexts(canvas, {
                            {"State 1", 24, y, 0.7, 0, 8},
                            {"S1", 124, y, 0.7, 0, 8},
                            {"101", 220, y, 0.7, 0, 10},
                            {"101", 280, y, 0.7, 0, 10},
                            {"5.62", 324, y, 0.7, 0, 10},
                            {"17.97", 380, y, 0.7, 0, 10},
                            {"11.00", 450, y, 0.7, 0, 10},
                            {"6.97", 509, y, 0.7, 0, 10},
                            {"0.1100", 559, y, 0.7, 0, 10},
                            {"0.77", 619, y, 0.7, 0, 10},
                            {"0.00", 682, y, 0.7, 0, 10},
                            {"0.77", 754, y, 0.7, 0, 10},
                        });
    // The surcharge line shows 0 as total distance, its distance as taxable distance.
    const int surcharge = FormGrid::kRowsTop + 16 * SlotOfName(canvas, "KY Surcharge") + 14;
    EXPECT_EQ(canvas.textAt(220, surcharge), "0");
    EXPECT_EQ(canvas.textAt(280, surcharge), "105");
}

TEST(EnglishForm, WholeUnitsRowsAndTheirNote)
{
    PrintFixture f = MakeReportDoc(6, "US", "IA");
    f.report.rounding = FuelRounding::WholeUnits;
    PrintState state = FormState(32);
    const RecordingCanvas canvas = PrintPage(f, state, 1, FormUnits::MilesGallons);
    // Row 1: 101 / 5.62 = 17.97 taxable becomes 18, 7 more than paid, tax 0.77.
    const int y = FormGrid::kRowsTop + 16 * SlotOfName(canvas, "State 1") + 14;
    EXPECT_EQ(canvas.textAt(380, y), "18.00");
    EXPECT_EQ(canvas.textAt(509, y), "7.00");
    EXPECT_EQ(canvas.textAt(619, y), "0.77");
    const int c = 229 + 16 * 32;
    EXPECT_EQ(canvas.textAt(20, c + 90),
              "Fuel paid and taxable fuel are rounded to whole gallons, as filing portals do.");
    // Without the option no note is printed.
    f.report.rounding = FuelRounding::Hundredths;
    EXPECT_TRUE(PrintPage(f, state, 1, FormUnits::MilesGallons).textAt(20, c + 90).isEmpty());
}

TEST(EnglishForm, CreditsAndInvalidAverage)
{
    PrintFixture f = MakeReportDoc(1, "US", "IA");
    f.report.rows[0].fuelPaid = Hundredths{5000};
    f.report.totals.fleetAverage = kInvalidFleetAverage;
    PrintState state = FormState(32);
    const RecordingCanvas canvas = PrintPage(f, state, 1, FormUnits::MilesGallons);
    const int y = FormGrid::kRowsTop + 14;
    // No average: 100 / 100000 taxable, and the whole purchase is a credit.
    EXPECT_EQ(canvas.textAt(324, y), "INVALID");
    EXPECT_EQ(canvas.textAt(380, y), "0.00");
    EXPECT_EQ(canvas.textAt(509, y), "-50.00");
    EXPECT_EQ(canvas.textAt(619, y), "-5.00");
    EXPECT_EQ(canvas.textAt(754, y), "-5.00");
    EXPECT_EQ(canvas.textAt(727, 168), "INVALID");
}

TEST(EnglishForm, TwentyRowsOnLandscapePages)
{
    PrintFixture f = MakeReportDoc(20, "US", "IA");
    PrintState state = FormState(16, 2);
    const RecordingCanvas page1 = PrintPage(f, state, 1, FormUnits::MilesGallons);
    EXPECT_EQ(state.formRowSlots, 16);
    const RecordingCanvas page2 = PrintPage(f, state, 2, FormUnits::MilesGallons);
    EXPECT_EQ(state.formRowSlots, 16);

    // Page 1: rows 0 to 15 in slots 0 to 15; page 2: rows 16 to 19, then empty slots up
    // to 16.
    for (int slot = 0; slot < 16; ++slot)
        EXPECT_EQ(SlotOfName(page1, NameOf(slot)), slot);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(SlotOfName(page2, NameOf(16 + slot)), slot);
    EXPECT_EQ(SlotOfName(page2, "State 15"), -1);

    const auto rowGrids = [](const RecordingCanvas &canvas) {
        int count = 0;
        for (const CanvasCall &c : canvas.ofKind(CanvasCall::Polyline))
            if (c.points.size() > 1 && c.points[0].x == 18 && c.points[0].y >= 229 &&
                c.points[2].y - c.points[0].y == 16)
                ++count;
        return count;
    };
    EXPECT_EQ(rowGrids(page1), 16);
    EXPECT_EQ(rowGrids(page2), 16);

    // Both pages end with the same totals block below 16 slots: c = 229 + 256 = 485.
    for (const RecordingCanvas *page : {&page1, &page2}) {
        EXPECT_EQ(page->textAt(220, 502), "2190");
        EXPECT_EQ(page->textAt(727, 168), "5.62");
        EXPECT_EQ(page->textAt(20, 503), "Total (IFTA members)");
    }
}

TEST(EnglishForm, TwentyRowsFitOnePortraitPage)
{
    PrintFixture f = MakeReportDoc(20, "US", "IA");
    PrintState state = FormState(32);
    const RecordingCanvas canvas = PrintPage(f, state, 1, FormUnits::MilesGallons);
    EXPECT_EQ(SlotOfName(canvas, "State 0"), 0);
    EXPECT_EQ(SlotOfName(canvas, "State 19"), 19);
    int grids = 0;
    for (const CanvasCall &c : canvas.ofKind(CanvasCall::Polyline))
        if (c.points[0].y >= 229 && c.points[2].y - c.points[0].y == 16)
            ++grids;
    EXPECT_EQ(grids, 32);
    EXPECT_EQ(state.formRowSlots, 32);
}

TEST(EnglishForm, TotalsBlock)
{
    PrintFixture f = MakeReportDoc(2, "Canada", "ON");
    PrintState state = FormState(32);
    const RecordingCanvas canvas = PrintPage(f, state, 1, FormUnits::KilometresLitres);
    const int c = 229 + 16 * 32;
    ExpectTexts(canvas, {
                            {"Total (IFTA members)", 20, c + 18, 0.7, 0, 8},
                            {"Total (NON IFTA members)", 20, c + 44, 0.7, 0, 8},
                            {"Total General", 20, c + 70, 0.7, 0, 8},
                            {"=", 168, c + 20, 0.6, 0, 8},
                            {"+", 168, c + 48, 0.6, 0, 8},
                            {"=", 168, c + 77, 0.6, 0, 8},
                            {"=", 328, c + 20, 0.6, 0, 8},
                            {"+", 328, c + 48, 0.6, 0, 8},
                            {"=", 328, c + 77, 0.6, 0, 8},
                            {"2190", 220, c + 17, 0.7, 0, 10},
                            {"407.47", 380, c + 17, 0.7, 0, 10},
                            {"390.00", 450, c + 17, 0.7, 0, 10},
                            {"17.47", 509, c + 17, 0.7, 0, 10},
                            {"-3.21", 619, c + 17, 0.7, 0, 10},
                            {"0.00", 682, c + 17, 0.7, 0, 10},
                            {"-3.21", 754, c + 17, 0.7, 0, 10},
                            {"0", 220, c + 44, 0.7, 0, 10},
                            {"0.00", 380, c + 44, 0.7, 0, 10},
                            {"0.00", 450, c + 44, 0.7, 0, 10},
                            {"0.00", 509, c + 44, 0.7, 0, 10},
                            {"2190", 220, c + 74, 0.7, 0, 10},
                            {"407.47", 380, c + 74, 0.7, 0, 10},
                            {"390.00", 450, c + 74, 0.7, 0, 10},
                            {"17.47", 509, c + 74, 0.7, 0, 10},
                        });
    // Lines 2 and 3 carry nothing under (O), (P) and (Q).
    EXPECT_TRUE(canvas.textAt(619, c + 44).isEmpty());
    EXPECT_TRUE(canvas.textAt(754, c + 74).isEmpty());
    // The one-line part of the grid: 572..773 x c..c+26.
    const FormPoints last = FormGrid::TotalsGrid(c, 2);
    bool drawn = false;
    for (const CanvasCall &call : canvas.ofKind(CanvasCall::Polyline))
        drawn = drawn || call.points == last;
    EXPECT_TRUE(drawn);
    EXPECT_EQ(last[2].x, 773);
    EXPECT_EQ(last[2].y, c + 26);
}

TEST(EnglishForm, PageWithoutRowsStillHasItsFrame)
{
    PrintFixture f = MakeReportDoc(3, "US", "IA");
    PrintState state = FormState(32);
    const RecordingCanvas canvas = PrintPage(f, state, 2, FormUnits::MilesGallons);
    EXPECT_EQ(SlotOfName(canvas, "State 0"), -1);
    EXPECT_EQ(canvas.textAt(20, 229 + 512 + 18), "Total (IFTA members)");
    EXPECT_FALSE(canvas.texts("IFTA Quarterly Fuel Use Tax Report").empty());
}

TEST(EnglishForm, NothingOnADeviceThatIsNotAPrinter)
{
    PrintFixture f = MakeReportDoc(3, "US", "IA");
    PrintState state = FormState(32);
    RecordingCanvas canvas(false);
    PrintEnglishForm(canvas, *f.doc, f.report, state, 1, FormUnits::MilesGallons);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(FormGrid, PointListsEndAndJoin)
{
    // Every list ends with (-1, -1); the row grid's columns match the heading band's.
    for (const FormPoints *points : {&FormGrid::HeaderCells(), &FormGrid::FuelBox(),
                                     &FormGrid::AverageBox('C'), &FormGrid::HeadingBand()})
        EXPECT_EQ(points->back(), kFormPointsEnd);
    const FormPoints band = FormGrid::HeadingBand();
    const FormPoints row = FormGrid::RowGrid(2);
    ASSERT_EQ(band.size(), row.size());
    EXPECT_EQ(band.size(), 28u); // 27 points and the end mark
    for (size_t i = 0; i + 1 < band.size(); ++i) {
        EXPECT_EQ(band[i].x, row[i].x);
        EXPECT_TRUE(row[i].y == 261 || row[i].y == 277) << i;
    }
    EXPECT_EQ(FormGrid::AverageBox('C')[1], (FormPoint{454, 122}));
    EXPECT_EQ(FormGrid::TotalsGrid(485, 0)[8], (FormPoint{234, 485}));
    EXPECT_EQ(FormGrid::TotalsGrid(485, 1)[13], (FormPoint{522, 537}));
}

} // namespace
