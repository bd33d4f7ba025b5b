#include "print/listings.h"

#include "print/printtext.h"
#include "records/units.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Where a page's lines go: entries j of this page and their y.
struct PagePlan {
    int perPage = 1;
    int first = 0; // first line index of the page
    int top = 0;
    int lineHeight = 0;

    bool holds(int j) const { return j >= first && j < first + perPage; }
    int lineY(int j) const { return top + (4 + (j - first)) * lineHeight; }
};

PagePlan PlanPage(const PrintSetup &setup, const QRect &drawRect, int page)
{
    PagePlan plan;
    plan.perPage = ListingLinesOnPage(ListingLinesPerPage(drawRect.height(), setup.lineHeight));
    plan.first = (page - 1) * plan.perPage;
    plan.top = drawRect.top();
    plan.lineHeight = setup.lineHeight;
    return plan;
}

// Right end of the date column after the listing's left edge, for five-digit width `f`.
// A date ("2026/04/02") is about two five-digit widths long, so it ends one digit short of
// the State column: ended at twice `f` it would run into the trip numbers.
int DateRightEdge(int f)
{
    return 3 * f - f / 5;
}

void AddTitle(std::vector<ListingText> &texts, const QRect &drawRect, const char *title, int page)
{
    texts.push_back({drawRect.left(), drawRect.top(), QString::fromUtf8(title), false});
    texts.push_back({drawRect.left() + drawRect.width(), drawRect.top(),
                     QString::asprintf("Page %d", page), true});
}

void DrawListing(QPainter &painter, const std::vector<ListingText> &texts)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    for (const ListingText &t : texts) {
        const int x = t.rightAligned ? t.x - metrics.horizontalAdvance(t.text) : t.x;
        painter.drawText(QPoint(x, t.y + metrics.ascent()), t.text);
    }
}

} // namespace

int ListingLinesPerPage(int drawHeight, int lineHeight)
{
    return lineHeight > 0 ? drawHeight / lineHeight - 1 : 0;
}

int ListingLinesOnPage(int linesPerPage)
{
    // A page too small for even one line below its headings still takes one, so that
    // every line lands on a counted page.
    return std::max(1, linesPerPage - 3);
}

int ListingPageCount(int lineCount, int linesPerPage)
{
    const int perPage = ListingLinesOnPage(linesPerPage);
    return lineCount <= 0 ? 0 : (lineCount + perPage - 1) / perPage;
}

std::vector<ListingText> RecordListingPage(const CIftaDoc &doc, const PrintSetup &setup,
                                           const QRect &drawRect, int page)
{
    const int l = drawRect.left();
    const int f = setup.fiveDigitWidth;
    const int t = setup.tenDigitWidth;
    const PagePlan plan = PlanPage(setup, drawRect, page);
    const std::string &country = doc.company().country;
    const bool canada = IsCanada(country);

    std::vector<ListingText> texts;
    AddTitle(texts, drawRect, "IFTA Record", page);
    const int headingY = drawRect.top() + 2 * setup.lineHeight;
    texts.push_back({l + f, headingY, QStringLiteral("Trip"), true});
    texts.push_back({l + DateRightEdge(f), headingY, QStringLiteral("  Date"), true});
    texts.push_back({l + 3 * f, headingY, QStringLiteral("State"), false});
    texts.push_back({l + 3 * f + 2 * t, headingY, QStringLiteral("Abbrev"), false});
    texts.push_back({l + 3 * f + 3 * t, headingY,
                     canada ? QStringLiteral("Distance (Km)") : QStringLiteral("Distance (Mil)"),
                     false});
    texts.push_back({l + 3 * f + 5 * t, headingY,
                     canada ? QStringLiteral("Fuel (L)") : QStringLiteral("Fuel (Gal)"), false});
    texts.push_back({l + 3 * f + 6 * t, headingY, QStringLiteral("Surtax"), false});

    const TaxRateTable &table = doc.taxTable();
    const TaxRate none;
    const CIftaDoc::Entries &entries = doc.entries();
    for (int j = plan.first; j < static_cast<int>(entries.size()) && plan.holds(j); ++j) {
        const TripEntry &e = entries[static_cast<size_t>(j)];
        const TaxRate &rate = TaxRateTable::isValidSlot(e.slot) ? table[e.slot] : none;
        const int y = plan.lineY(j);
        const int distance =
            static_cast<int>(ConvertDistance(e.distance, e.distanceInMiles, country));
        const Hundredths fuel = ConvertFuel(e.fuel, e.fuelInGallons, country);
        texts.push_back({l + f, y, FormatNumber("%d", e.tripNumber), true});
        texts.push_back({l + DateRightEdge(f), y, FromCp1252(e.date), true});
        texts.push_back({l + 3 * f, y, FromCp1252(rate.name), false});
        texts.push_back({l + 3 * f + 2 * t, y, FromCp1252(rate.abbreviation), false});
        texts.push_back({l + 3 * f + 4 * t, y, FormatNumber("%d", distance), true});
        texts.push_back({l + 4 * f + 5 * t, y, FormatAmount(fuel), true});
        texts.push_back(
            {l + 4 * f + 6 * t, y, rate.surcharge ? QStringLiteral("X") : QString(), true});
    }
    return texts;
}

std::vector<ListingText> TaxRateListingPage(const TaxRateTable &table, const PrintSetup &setup,
                                            const QRect &drawRect, int page)
{
    const int l = drawRect.left();
    const int f = setup.fiveDigitWidth;
    const int t = setup.tenDigitWidth;
    const PagePlan plan = PlanPage(setup, drawRect, page);

    std::vector<ListingText> texts;
    AddTitle(texts, drawRect, "IFTA Tax Rates.", page);
    const int headingY = drawRect.top() + 2 * setup.lineHeight;
    texts.push_back({l, headingY, QStringLiteral("Index"), false});
    texts.push_back({l + t, headingY, QStringLiteral("State"), false});
    texts.push_back({l + 3 * t, headingY, QStringLiteral("Abbrev"), false});
    texts.push_back({l + 4 * t, headingY, QStringLiteral("Dtax"), false});
    texts.push_back({l + 5 * t + f, headingY, QStringLiteral("Gtax"), false});
    texts.push_back({l + 6 * t + f, headingY, QStringLiteral("Surtax"), false});

    for (int j = plan.first; j < TaxRateTable::kSlotCount && plan.holds(j); ++j) {
        const TaxRate &rate = table[j];
        if (rate.name.empty())
            continue; // the line stays blank
        const int y = plan.lineY(j);
        texts.push_back({l + f, y, FormatNumber("%d", rate.slot + 1), true});
        texts.push_back({l + 2 * f, y, FromCp1252(rate.name), false});
        texts.push_back({l + 2 * f + 2 * t, y, FromCp1252(rate.abbreviation), false});
        texts.push_back({l + 3 * f + 3 * t, y, FormatAmount(rate.dieselRate), true});
        texts.push_back({l + 4 * f + 4 * t, y, FormatAmount(rate.gasolineRate), true});
        texts.push_back(
            {l + 4 * f + 5 * t, y, rate.surcharge ? QStringLiteral("X") : QString(), true});
    }
    return texts;
}

void PrintRecordListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                        const CIftaDoc &doc)
{
    state.setup.currentPage = info.currentPage;
    state.linesPerPage = ListingLinesPerPage(info.drawRect.height(), state.setup.lineHeight);
    DrawListing(painter, RecordListingPage(doc, state.setup, info.drawRect, info.currentPage));
}

void PrintTaxRateListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                         const TaxRateTable &table)
{
    state.setup.currentPage = info.currentPage;
    state.linesPerPage = ListingLinesPerPage(info.drawRect.height(), state.setup.lineHeight);
    DrawListing(painter, TaxRateListingPage(table, state.setup, info.drawRect, info.currentPage));
}
