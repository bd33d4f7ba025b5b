// Page set-up, page counts and the two listings on image devices of letter proportions:
// margins, the 790-unit form scale, the landscape mark, and that the listing page count
// leaves no line beyond the last counted page.

#include "print/pagesetup.h"
#include "print/ciftaprint.h"
#include "print/formbitmaps.h"
#include "print/listings.h"
#include "printfixtures.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace {

// Qt needs a GUI application for fonts; the test program makes one for its lifetime.
QGuiApplication &App()
{
    static int argc = 1;
    static char name[] = "test_print";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = QGuiApplication::instance()
                                      ? static_cast<QGuiApplication *>(QGuiApplication::instance())
                                      : new QGuiApplication(argc, argv);
    return *app;
}

QImage Page(int width, int height)
{
    App();
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(11811); // 300 dots per inch
    image.setDotsPerMeterY(11811);
    return image;
}

PrintFixture EntriesDoc(int count, const std::string &country)
{
    PrintFixture f;
    FillTable(*f.table);
    EditCompany(*f.doc, [&](CompanyInfo &company) { company.country = country; });
    CIftaDoc::Entries entries;
    for (int i = 0; i < count; ++i) {
        TripEntry e;
        e.tripNumber = i + 1;
        e.date = "2026/04/02";
        e.slot = i % 10;
        e.distance = 161;
        e.distanceInMiles = 0;
        e.fuel = Hundredths{1000};
        e.fuelInGallons = 0;
        entries.push_back(e);
    }
    f.doc->replaceEntries(entries);
    return f;
}

TEST(PageSetUp, FormMarginsScaleAndFonts)
{
    const QImage page = Page(2550, 3300);
    PrintState state;
    PrintInfo info;
    info.drawRect = QRect(0, 0, 2550, 3300);
    const QFont printing = SetUpPage(&page, QGuiApplication::font(), PageKind::Form, info, state);
    EXPECT_EQ(info.drawRect, QRect(12, 11, 2550 - 24, 3300 - 22));
    EXPECT_EQ(state.setup.drawLeft, 12);
    EXPECT_EQ(state.setup.pageWidth, 2526);
    EXPECT_DOUBLE_EQ(state.setup.scaleX, 2526 / 790.0);
    EXPECT_DOUBLE_EQ(state.setup.scaleY, state.setup.scaleX);
    EXPECT_EQ(state.setup.landscape, 1);
    EXPECT_EQ(state.referenceFont.weight, 500);
    // About 150 to 170 digits of the printing font across the page: Arial's metrics
    // (Liberation Sans) give about 170, the wider DejaVu Sans about 150.
    const double digits = 5.0 * 2550 / state.setup.fiveDigitWidth;
    EXPECT_GT(digits, 135.0);
    EXPECT_LT(digits, 185.0);
    EXPECT_FALSE(printing.fixedPitch());
    EXPECT_GT(state.referenceFont.height, 0);
}

TEST(PageSetUp, ListingMarginsAndLandscapeMark)
{
    PrintState state;
    const QImage wide = Page(3300, 2550);
    PrintInfo info;
    info.drawRect = QRect(0, 0, 3300, 2550);
    SetUpPage(&wide, QGuiApplication::font(), PageKind::Listing, info, state);
    EXPECT_EQ(info.drawRect, QRect(165, 85, 3300 - 330, 2550 - 170));
    EXPECT_EQ(state.setup.landscape, 2);
    EXPECT_NEAR(5.0 * 3300 / state.setup.fiveDigitWidth, 100.0, 10.0);

    // A portrait page, and a square one, leave the mark as it was.
    const QImage square = Page(2000, 2000);
    info.drawRect = QRect(0, 0, 2000, 2000);
    SetUpPage(&square, QGuiApplication::font(), PageKind::Listing, info, state);
    EXPECT_EQ(state.setup.landscape, 2);
}

TEST(PageSetUp, FormShrinksOnlyWhenItWouldLeaveThePage)
{
    PrintState state;
    state.setup.pageHeight = 600;
    state.setup.scaleX = state.setup.scaleY = 1.0;
    state.referenceFont.height = 100;
    FitFormToPage(state, 600);
    EXPECT_DOUBLE_EQ(state.setup.scaleY, 1.0);
    FitFormToPage(state, 1200);
    EXPECT_DOUBLE_EQ(state.setup.scaleX, 0.5);
    EXPECT_DOUBLE_EQ(state.setup.scaleY, 0.5);
    EXPECT_EQ(state.referenceFont.height, 50);
}

TEST(PageCount, FormsCountSlotsAndSquarePagesArePortrait)
{
    App();
    PrintFixture f = MakeReportDoc(20, "US", "IA");
    const auto pages = [&f](int width, int height, int *lines) {
        const QImage page = Page(width, height);
        PrintState state;
        CIftaPrint job(f.printout(ViewMode::Report), state);
        PrintInfo info;
        job.OnBeginPrinting(&page, QGuiApplication::font(), info);
        *lines = state.linesPerPage;
        return info.maxPage;
    };
    int lines = 0;
    EXPECT_EQ(pages(2550, 3300, &lines), 1);
    EXPECT_EQ(lines, 32);
    EXPECT_EQ(pages(3300, 2550, &lines), 2);
    EXPECT_EQ(lines, 16);
    EXPECT_EQ(pages(2000, 2000, &lines), 1);
    EXPECT_EQ(lines, 32);
    f.report.rows.clear();
    EXPECT_EQ(pages(2550, 3300, &lines), 0);
}

// Pages of the job, and for each entry the page it was printed on.
struct ListingRun {
    int pages = 0;
    std::vector<int> pageOfTrip;
};

ListingRun RunRecordListing(const CIftaDoc &doc, int width, int height)
{
    const QImage device = Page(width, height);
    PrintState state;
    CIftaPrint job(PreparePrintout(doc, ViewMode::EntryList), state);
    PrintInfo info;
    job.OnBeginPrinting(&device, QGuiApplication::font(), info);
    ListingRun run;
    run.pages = info.maxPage;
    run.pageOfTrip.assign(doc.entries().size(), 0);
    for (int page = 1; page <= info.maxPage; ++page) {
        PrintInfo pageInfo = info;
        pageInfo.currentPage = page;
        pageInfo.drawRect = QRect(0, 0, width, height);
        SetUpPage(&device, QGuiApplication::font(), PageKind::Listing, pageInfo, state);
        for (const ListingText &t : RecordListingPage(doc, state.setup, pageInfo.drawRect, page)) {
            bool number = false;
            const int trip = t.text.toInt(&number);
            if (number && t.x == pageInfo.drawRect.left() + state.setup.fiveDigitWidth &&
                trip >= 1 && trip <= static_cast<int>(doc.entries().size()))
                run.pageOfTrip[static_cast<size_t>(trip - 1)] = page;
        }
    }
    return run;
}

TEST(RecordListing, EveryEntryLandsOnACountedPage)
{
    PrintFixture f = EntriesDoc(120, "Canada");
    for (const QSize size : {QSize(2550, 3300), QSize(3300, 2550)}) {
        const ListingRun run = RunRecordListing(*f.doc, size.width(), size.height());
        EXPECT_GE(run.pages, 2) << size.width();
        int previous = 1;
        for (int page : run.pageOfTrip) {
            EXPECT_GE(page, previous); // in record order, each on a counted page
            EXPECT_LE(page, run.pages);
            previous = page;
        }
        EXPECT_EQ(run.pageOfTrip.back(), run.pages); // the last page is not empty
    }
    EXPECT_EQ(RunRecordListing(*EntriesDoc(0, "Canada").doc, 2550, 3300).pages, 0);
}

// The trip listing's columns, in a US carrier's units: unit numbers (a long one cut so it
// cannot run into the jurisdiction) and both odometer readings beside the distance and
// fuel; every column inside the page.
TEST(RecordListing, MileHeadingsUnitsAndOdometers)
{
    PrintFixture f = EntriesDoc(2, "US");
    CIftaDoc::Entries entries = f.doc->entries();
    entries[0].reservedText = "T-104";
    entries[1].reservedText = "Western Star 4900";
    entries[1].odometerIn = 120345;
    entries[1].odometerOut = 120445;
    f.doc->replaceEntries(entries);
    PrintSetup setup;
    setup.lineHeight = 40;
    setup.fiveDigitWidth = 100;
    setup.tenDigitWidth = 200;
    const QRect rect(50, 60, 2000, 2800);
    std::set<QString> texts;
    int tripY = -1;
    for (const ListingText &t : RecordListingPage(*f.doc, setup, rect, 1)) {
        texts.insert(t.text);
        if (t.text == "2" && t.rightAligned && t.x == 150)
            tripY = t.y;
        EXPECT_LE(t.x, rect.left() + rect.width()) << t.text.toStdString();
    }
    for (const char *expected : {"IFTA Record", "Page 1", "Distance (Mil)", "Fuel (Gal)", "Surtax",
                                 "Date", "Unit", "Odo in", "Odo out", "100", "2.64", "State 1",
                                 "T-104", "Western\u2026", "120345", "120445"})
        EXPECT_TRUE(texts.count(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(texts.count("Distance (Km)"));
    EXPECT_EQ(tripY, 60 + 5 * 40); // the second entry on the sixth line
    EXPECT_LE(RecordListingWidth(setup), rect.width());
}

TEST(TaxRateListing, EmptySlotLeavesItsLineBlank)
{
    PrintFixture f;
    FillTable(*f.table, 10);
    (*f.table)[3].name.clear();
    PrintSetup setup;
    setup.lineHeight = 40;
    setup.fiveDigitWidth = 100;
    setup.tenDigitWidth = 200;
    const QRect rect(0, 0, 2000, 2800);
    std::vector<int> slotLines;
    for (const ListingText &t : TaxRateListingPage(*f.table, setup, rect, 1))
        if (t.rightAligned && t.x == 100 && t.text != "Page 1")
            slotLines.push_back(t.y / 40);
    // Slots 1, 2, 3, 5 ... (shown from 1) on lines 4, 5, 6, 8 ...: slot 4's line is empty.
    ASSERT_GE(slotLines.size(), 4u);
    EXPECT_EQ(slotLines[2], 6);
    EXPECT_EQ(slotLines[3], 8);
    // 72 slots at 66 lines a page (70 - 1 - 3) take two pages.
    EXPECT_EQ(ListingPageCount(72, ListingLinesPerPage(2800, 40)), 2);
    EXPECT_EQ(ListingPageCount(72, 20), 5);
    EXPECT_EQ(ListingPageCount(0, 20), 0);
}

// Long messages wrap at blanks onto lines of their own (rule, trip and jurisdiction only
// on the first), and the job counts the wrapped lines: the last one lands on the last page.
TEST(CheckListing, LongMessagesWrapOntoCountedPages)
{
    const std::string message = "An audit at 4.00 MPG would add 1,234,567.89 to the tax due "
                                "of this quarter of the carrier";
    const std::vector<CheckListingLine> wrapped =
        CheckListingLines({Finding{CheckRule::OdometerGap, 7, "ON", message}}, 30);
    ASSERT_EQ(wrapped.size(), 3u);
    EXPECT_EQ(wrapped[0].rule, "odometer-gap");
    EXPECT_EQ(wrapped[0].trip, "7");
    EXPECT_EQ(wrapped[0].text, "An audit at 4.00 MPG would add");
    std::string joined = wrapped[0].text;
    for (size_t i = 1; i < wrapped.size(); ++i) {
        EXPECT_TRUE(wrapped[i].rule.empty() && wrapped[i].trip.empty());
        EXPECT_LE(wrapped[i].text.size(), 30u);
        joined += " " + wrapped[i].text;
    }
    EXPECT_EQ(joined, message);
    // A word longer than the line stays whole.
    EXPECT_EQ(CheckListingLines({Finding{CheckRule::NoFuel, 0, "", "x 0123456789012"}}, 10).size(),
              2u);

    PrintFixture f = EntriesDoc(1, "Canada");
    Printout printout = PreparePrintout(*f.doc, ViewMode::Check);
    printout.findings.assign(150, Finding{CheckRule::DuplicateTrip, 3, "ON", message + message});
    const QImage device = Page(2550, 3300);
    PrintState state;
    CIftaPrint job(printout, state);
    PrintInfo info;
    job.OnBeginPrinting(&device, QGuiApplication::font(), info);
    PrintInfo last = info;
    last.currentPage = info.maxPage;
    last.drawRect = QRect(0, 0, 2550, 3300);
    SetUpPage(&device, QGuiApplication::font(), PageKind::Listing, last, state);
    const size_t lines =
        CheckListingLines(printout.findings, CheckMessageChars(state.setup, last.drawRect)).size();
    EXPECT_GT(lines, 300u); // every message took more than one line
    const int perPage =
        ListingLinesOnPage(ListingLinesPerPage(last.drawRect.height(), state.setup.lineHeight));
    EXPECT_EQ(info.maxPage, static_cast<int>((lines + perPage - 1) / perPage));
    int texts = 0;
    for (const ListingText &t : CheckListingPage(*printout.doc, printout.findings, state.setup,
                                                 last.drawRect, info.maxPage))
        texts += t.text.isEmpty() ? 0 : 1;
    EXPECT_GT(texts, 7); // title, page number, carrier, four headings and a line
}

TEST(FormBitmaps, SizesAndColours)
{
    const QImage flag = FormBitmap(134);
    const QImage tag = FormBitmap(135);
    EXPECT_EQ(flag.size(), QSize(34, 23));
    EXPECT_EQ(tag.size(), QSize(25, 30));
    EXPECT_TRUE(FormBitmap(136).isNull());
    // The flag: blue corner, white cross at the middle.
    EXPECT_EQ(flag.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(flag.pixel(16, 11), qRgb(255, 255, 255));
    // The tag: black outline at the left, white inside, a black stroke of the 5.
    EXPECT_EQ(tag.pixel(0, 15), qRgb(0, 0, 0));
    EXPECT_EQ(tag.pixel(2, 3), qRgb(255, 255, 255));
    EXPECT_EQ(tag.pixel(5, 8), qRgb(0, 0, 0));
}

} // namespace
