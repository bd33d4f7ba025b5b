#include "print/listings.h"

#include "check/quartercheck.h"
#include "print/printtext.h"
#include "records/units.h"
#include "report/report.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdint>

PagePlan PlanPage(const PrintSetup &setup, const QRect &drawRect, int page)
{
    PagePlan plan;
    plan.perPage = ListingLinesOnPage(ListingLinesPerPage(drawRect.height(), setup.lineHeight));
    plan.first = (page - 1) * plan.perPage;
    plan.top = drawRect.top();
    plan.lineHeight = setup.lineHeight;
    return plan;
}

namespace {

// The record listing's columns after its left edge, in tenths of a five-digit width `f`
// (the widths of the texts they hold: a date is about 21 tenths, a jurisdiction's name
// up to 26, "Distance (Km)" 24). Names and the date start at their column; numbers and
// their headings end at theirs. The listing's font follows the page's width, so the
// columns take about the same share of a portrait and of a landscape page.
struct RecordColumns {
    int trip, date, unit, state, abbrev, distance, fuel, surtax, odometerIn, odometerOut;
};

RecordColumns RecordColumnsFor(int l, int f)
{
    const auto at = [l, f](int tenths) { return l + f * tenths / 10; };
    return {at(10), at(13), at(36), at(53), at(81), at(119), at(138), at(151), at(167), at(183)};
}

// A unit number as its column holds it: up to eight characters, a longer one cut to
// seven and an ellipsis (the vehicle records print it whole).
QString ListedUnit(std::string_view unit)
{
    const QString text = FromCp1252(std::string(unit));
    return text.size() <= 8 ? text : text.left(7) + QChar(0x2026);
}

} // namespace

int RecordListingWidth(const PrintSetup &setup)
{
    return RecordColumnsFor(0, setup.fiveDigitWidth).odometerOut;
}

namespace {

QString QuarterText(const TaxPeriod &period)
{
    return QString::asprintf("%dQ%d", period.quarter, period.year);
}

} // namespace

void AddTitle(std::vector<ListingText> &texts, const QRect &drawRect, const char *title, int page,
              int lineHeight, const QString &whose)
{
    texts.push_back(
        {drawRect.left(), drawRect.top(), QCoreApplication::translate("Listings", title), false});
    texts.push_back({drawRect.left() + drawRect.width(), drawRect.top(),
                     QCoreApplication::translate("Listings", "Page %1").arg(page), true});
    if (!whose.isEmpty())
        texts.push_back({drawRect.left(), drawRect.top() + lineHeight, whose, false});
}

namespace {

QString RecordHeading(const CIftaDoc &doc)
{
    const CompanyInfo &company = doc.company();
    QString heading = FromCp1252(company.companyName);
    if (!company.iftaNumber.empty())
        heading += QStringLiteral("    IFTA %1").arg(FromCp1252(company.iftaNumber));
    heading += QCoreApplication::translate("Listings", "    Quarter %1")
                   .arg(QuarterText(doc.recordPeriod()));
    return heading.trimmed();
}

} // namespace

void DrawListing(QPainter &painter, const std::vector<ListingText> &texts)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    for (const ListingText &t : texts) {
        const int x = t.rightAligned ? t.x - metrics.horizontalAdvance(t.text) : t.x;
        painter.drawText(QPoint(x, t.y + metrics.ascent()), t.text);
    }
}

namespace {

// Left end of the check listing's message column, in five-digit widths.
constexpr int kCheckMessageColumn = 8;

// Appends the parts of `text` wrapped at blanks to `width` characters.
void WrapText(const std::string &text, size_t width, std::vector<std::string> &parts)
{
    size_t start = 0;
    while (text.size() - start > width) {
        size_t cut = text.rfind(' ', start + width);
        if (cut == std::string::npos || cut <= start)
            cut = text.find(' ', start + width);
        if (cut == std::string::npos)
            break;
        parts.push_back(text.substr(start, cut - start));
        start = cut + 1;
    }
    parts.push_back(text.substr(start));
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

int RecordListingLineCount(const CIftaDoc &doc)
{
    // The trip lines, then an empty line and the totals line.
    return doc.entries().empty() ? 0 : static_cast<int>(doc.entries().size()) + 2;
}

int TaxRateListingLineCount(const TaxRateTable &table)
{
    // Up to the last named slot: an empty slot in between keeps its blank line, but
    // empty slots after it would only print pages of headings.
    int lines = 0;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        if (!table[slot].name.empty())
            lines = slot + 1;
    }
    return lines;
}

namespace {

// The column headings of the record listing, on line `headingY`, in the units of the
// record's country.
void AddRecordHeadings(std::vector<ListingText> &texts, const RecordColumns &c, int headingY,
                       bool canada)
{
    texts.push_back({c.trip, headingY, QCoreApplication::translate("Listings", "Trip"), true});
    texts.push_back({c.date, headingY, QCoreApplication::translate("Listings", "Date"), false});
    texts.push_back({c.unit, headingY, QCoreApplication::translate("Listings", "Unit"), false});
    texts.push_back({c.state, headingY, QCoreApplication::translate("Listings", "State"), false});
    texts.push_back({c.abbrev, headingY, QCoreApplication::translate("Listings", "Abbrev"), false});
    texts.push_back({c.distance, headingY,
                     canada ? QCoreApplication::translate("Listings", "Distance (Km)")
                            : QCoreApplication::translate("Listings", "Distance (Mil)"),
                     true});
    texts.push_back({c.fuel, headingY,
                     canada ? QCoreApplication::translate("Listings", "Fuel (L)")
                            : QCoreApplication::translate("Listings", "Fuel (Gal)"),
                     true});
    texts.push_back({c.surtax, headingY, QCoreApplication::translate("Listings", "Surtax"), true});
    texts.push_back(
        {c.odometerIn, headingY, QCoreApplication::translate("Listings", "Odo in"), true});
    texts.push_back(
        {c.odometerOut, headingY, QCoreApplication::translate("Listings", "Odo out"), true});
}

} // namespace

std::vector<ListingText> RecordListingPage(const CIftaDoc &doc, const PrintSetup &setup,
                                           const QRect &drawRect, int page)
{
    const RecordColumns c = RecordColumnsFor(drawRect.left(), setup.fiveDigitWidth);
    const PagePlan plan = PlanPage(setup, drawRect, page);
    const std::string &country = doc.company().country;
    const bool canada = IsCanada(country);

    std::vector<ListingText> texts;
    AddTitle(texts, drawRect, QT_TRANSLATE_NOOP("Listings", "IFTA Record"), page, setup.lineHeight,
             RecordHeading(doc));
    AddRecordHeadings(texts, c, drawRect.top() + 2 * setup.lineHeight, canada);

    const TaxRateTable &table = doc.taxTable();
    const TaxRate none;
    const CIftaDoc::Entries &entries = doc.entries();
    const int count = static_cast<int>(entries.size());
    int64_t totalDistance = 0;
    Hundredths totalFuel;
    for (int j = 0; j < count; ++j) {
        const TripEntry &e = entries[static_cast<size_t>(j)];
        const int distance =
            static_cast<int>(ConvertDistance(e.distance, e.distanceInMiles, country));
        const Hundredths fuel = ConvertFuel(e.fuel, e.fuelInGallons, country);
        // A surcharge line repeats its jurisdiction's distance: counted once, as the
        // report's total distance counts it.
        if (!e.surcharge)
            totalDistance += distance;
        totalFuel += fuel;
        if (!plan.holds(j))
            continue;
        const TaxRate &rate = TaxRateTable::isValidSlot(e.slot) ? table[e.slot] : none;
        const int y = plan.lineY(j);
        texts.push_back({c.trip, y, FormatNumber("%d", e.tripNumber), true});
        texts.push_back({c.date, y, FromCp1252(e.date), false});
        texts.push_back({c.unit, y, ListedUnit(e.reservedText.view()), false});
        texts.push_back({c.state, y, FromCp1252(rate.name), false});
        texts.push_back({c.abbrev, y, FromCp1252(rate.abbreviation), false});
        texts.push_back({c.distance, y, FormatNumber("%d", distance), true});
        texts.push_back({c.fuel, y, FormatAmount(fuel), true});
        texts.push_back({c.surtax, y, rate.surcharge ? QStringLiteral("X") : QString(), true});
        texts.push_back({c.odometerIn, y, FormatNumber("%d", e.odometerIn), true});
        texts.push_back({c.odometerOut, y, FormatNumber("%d", e.odometerOut), true});
    }
    // The totals, after an empty line: the sums of the distances (surcharge lines left
    // out) and of the fuel printed above.
    if (count > 0 && plan.holds(count + 1)) {
        const int y = plan.lineY(count + 1);
        texts.push_back({c.state, y, QCoreApplication::translate("Listings", "Total"), false});
        texts.push_back({c.distance, y, QString::number(totalDistance), true});
        texts.push_back({c.fuel, y, FormatAmount(totalFuel), true});
    }
    return texts;
}

std::vector<ListingText> TaxRateListingPage(const TaxRateTable &table, const PrintSetup &setup,
                                            const QRect &drawRect, int page,
                                            const TaxPeriod *period)
{
    const int l = drawRect.left();
    const int f = setup.fiveDigitWidth;
    const int t = setup.tenDigitWidth;
    const PagePlan plan = PlanPage(setup, drawRect, page);

    std::vector<ListingText> texts;
    const QString whose = period ? QCoreApplication::translate("Listings", "Quarter %1 for %2")
                                       .arg(QuarterText(*period), FromCp1252(period->country))
                                 : QString();
    AddTitle(texts, drawRect, QT_TRANSLATE_NOOP("Listings", "IFTA Tax Rates."), page,
             setup.lineHeight, whose);
    const int headingY = drawRect.top() + 2 * setup.lineHeight;
    texts.push_back({l, headingY, QCoreApplication::translate("Listings", "Index"), false});
    texts.push_back({l + t, headingY, QCoreApplication::translate("Listings", "State"), false});
    texts.push_back(
        {l + 3 * t, headingY, QCoreApplication::translate("Listings", "Abbrev"), false});
    texts.push_back({l + 4 * t, headingY, QCoreApplication::translate("Listings", "Dtax"), false});
    texts.push_back(
        {l + 5 * t + f, headingY, QCoreApplication::translate("Listings", "Gtax"), false});
    texts.push_back(
        {l + 6 * t + f, headingY, QCoreApplication::translate("Listings", "Surtax"), false});

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
                         const TaxRateTable &table, const TaxPeriod &period)
{
    state.setup.currentPage = info.currentPage;
    state.linesPerPage = ListingLinesPerPage(info.drawRect.height(), state.setup.lineHeight);
    DrawListing(painter,
                TaxRateListingPage(table, state.setup, info.drawRect, info.currentPage, &period));
}

std::vector<CheckListingLine> CheckListingLines(const Findings &findings, int messageChars)
{
    const size_t width = static_cast<size_t>(std::max(messageChars, 10));
    std::vector<CheckListingLine> lines;
    lines.reserve(findings.size());
    for (const Finding &finding : findings) {
        const ListLine columns = CheckLine(finding);
        std::vector<std::string> parts;
        WrapText(columns[3], width, parts);
        lines.push_back({columns[0], columns[1], columns[2], parts.front()});
        for (size_t i = 1; i < parts.size(); ++i)
            lines.push_back({std::string(), std::string(), std::string(), parts[i]});
    }
    return lines;
}

int CheckMessageChars(const PrintSetup &setup, const QRect &drawRect)
{
    const int f = setup.fiveDigitWidth;
    if (f <= 0)
        return 0;
    return (drawRect.width() - kCheckMessageColumn * f) * 5 / f;
}

std::vector<ListingText> CheckListingPage(const CIftaDoc &doc, const Findings &findings,
                                          const PrintSetup &setup, const QRect &drawRect, int page)
{
    const int l = drawRect.left();
    const int f = setup.fiveDigitWidth;
    const PagePlan plan = PlanPage(setup, drawRect, page);

    std::vector<ListingText> texts;
    AddTitle(texts, drawRect, QT_TRANSLATE_NOOP("Listings", "IFTA Quarter Check"), page,
             setup.lineHeight, RecordHeading(doc));
    const int headingY = drawRect.top() + 2 * setup.lineHeight;
    const int messageX = l + kCheckMessageColumn * f;
    texts.push_back({l, headingY, QCoreApplication::translate("Listings", "Rule"), false});
    texts.push_back({l + 5 * f, headingY, QCoreApplication::translate("Listings", "Trip"), true});
    texts.push_back({l + 5 * f + f / 2, headingY,
                     QCoreApplication::translate("Listings", "Jurisdiction"), false});
    texts.push_back(
        {messageX, headingY, QCoreApplication::translate("Listings", "Message"), false});

    const std::vector<CheckListingLine> lines =
        CheckListingLines(findings, CheckMessageChars(setup, drawRect));
    for (int j = plan.first; j < static_cast<int>(lines.size()) && plan.holds(j); ++j) {
        const CheckListingLine &line = lines[static_cast<size_t>(j)];
        const int y = plan.lineY(j);
        if (!line.rule.empty()) {
            texts.push_back({l, y, FromCp1252(line.rule), false});
            texts.push_back({l + 5 * f, y, FromCp1252(line.trip), true});
            texts.push_back({l + 5 * f + f / 2, y, FromCp1252(line.jurisdiction), false});
        }
        texts.push_back({messageX, y, FromCp1252(line.text), false});
    }
    return texts;
}

void PrintCheckListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                       const CIftaDoc &doc, const Findings &findings)
{
    state.setup.currentPage = info.currentPage;
    state.linesPerPage = ListingLinesPerPage(info.drawRect.height(), state.setup.lineHeight);
    DrawListing(painter,
                CheckListingPage(doc, findings, state.setup, info.drawRect, info.currentPage));
}

namespace {

QString AverageText(Hundredths average, bool metric)
{
    if (average == kInvalidFleetAverage)
        return QCoreApplication::translate("Listings", "Average: Invalid");
    return QCoreApplication::translate("Listings", "Average: %1 %2")
        .arg(FormatAmount(average), metric ? QCoreApplication::translate("Listings", "km/L")
                                           : QCoreApplication::translate("Listings", "MPG"));
}

} // namespace

std::vector<std::vector<QString>> VehicleListingLines(const CIftaDoc &doc, const FleetRecord &fleet)
{
    const std::string &country = doc.company().country;
    const bool metric = IsCanada(country);
    const TaxRateTable &table = doc.taxTable();
    const auto abbreviation = [&](int slot) {
        return TaxRateTable::isValidSlot(slot) ? FromCp1252(table[slot].abbreviation) : QString();
    };
    const auto name = [&](int slot) {
        return TaxRateTable::isValidSlot(slot) ? FromCp1252(table[slot].name) : QString();
    };
    std::vector<std::vector<QString>> lines;
    for (const VehicleRecord &vehicle : fleet.vehicles) {
        lines.push_back(
            {QCoreApplication::translate("Listings", "Unit %1")
                 .arg(vehicle.unit.empty() ? QCoreApplication::translate("ListColumns", kNoUnit)
                                           : FromCp1252(vehicle.unit)),
             {},
             {},
             {},
             {},
             {},
             {}});
        for (size_t position : vehicle.trips) {
            const TripEntry &e = doc.entries()[position];
            lines.push_back({FormatNumber("%d", e.tripNumber), FromCp1252(e.date),
                             abbreviation(e.slot), FormatNumber("%d", e.odometerIn),
                             FormatNumber("%d", e.odometerOut),
                             QString::number(ReportDistance(e, metric)),
                             FormatAmount(ConvertFuel(e.fuel, e.fuelInGallons, country))});
        }
        for (const VehicleJurisdiction &j : vehicle.jurisdictions)
            lines.push_back({{},
                             {},
                             abbreviation(j.slot) + "  " + name(j.slot),
                             {},
                             {},
                             QString::number(j.distance),
                             FormatAmount(j.fuel)});
        lines.push_back({QCoreApplication::translate("Listings", "Unit total"),
                         {},
                         AverageText(vehicle.average, metric),
                         {},
                         {},
                         QString::number(vehicle.distance),
                         FormatAmount(vehicle.fuel)});
        lines.push_back(std::vector<QString>(7));
    }
    lines.push_back({QCoreApplication::translate("Listings", "Fleet"),
                     {},
                     AverageText(fleet.average, metric),
                     {},
                     {},
                     QString::number(fleet.distance),
                     FormatAmount(fleet.fuel)});
    return lines;
}

std::vector<ListingText> VehicleListingPage(const CIftaDoc &doc, const FleetRecord &fleet,
                                            const PrintSetup &setup, const QRect &drawRect,
                                            int page)
{
    const int l = drawRect.left();
    const int f = setup.fiveDigitWidth;
    const int t = setup.tenDigitWidth;
    const PagePlan plan = PlanPage(setup, drawRect, page);
    const bool canada = IsCanada(doc.company().country);
    // Left edges (and right ends of the number columns) of the seven columns.
    // The number columns end one and a half ten-digit widths apart: their headings are
    // wider than their numbers.
    const int j = l + 4 * f;
    const int x[7] = {
        l, l + 2 * f, j, j + 3 * t, j + 3 * t + 3 * t / 2, j + 6 * t, j + 6 * t + 3 * t / 2};
    const bool right[7] = {false, false, false, true, true, true, true};

    std::vector<ListingText> texts;
    AddTitle(texts, drawRect, QT_TRANSLATE_NOOP("Listings", "Vehicle Records"), page,
             setup.lineHeight, RecordHeading(doc));
    const int headingY = drawRect.top() + 2 * setup.lineHeight;
    const QString headings[7] = {QCoreApplication::translate("Listings", "Trip"),
                                 QCoreApplication::translate("Listings", "Date"),
                                 QCoreApplication::translate("Listings", "Jurisdiction"),
                                 QCoreApplication::translate("Listings", "Odometer IN"),
                                 QCoreApplication::translate("Listings", "Odometer OUT"),
                                 canada ? QCoreApplication::translate("Listings", "Distance (Km)")
                                        : QCoreApplication::translate("Listings", "Distance (Mil)"),
                                 canada ? QCoreApplication::translate("Listings", "Fuel (L)")
                                        : QCoreApplication::translate("Listings", "Fuel (Gal)")};
    for (int c = 0; c < 7; ++c)
        texts.push_back({x[c], headingY, headings[c], right[c]});

    const std::vector<std::vector<QString>> lines = VehicleListingLines(doc, fleet);
    for (int j = plan.first; j < static_cast<int>(lines.size()) && plan.holds(j); ++j) {
        const std::vector<QString> &line = lines[static_cast<size_t>(j)];
        for (int c = 0; c < 7; ++c) {
            // A line's first text may run on past its column (a unit's name, "Unit total").
            if (!line[static_cast<size_t>(c)].isEmpty())
                texts.push_back({x[c], plan.lineY(j), line[static_cast<size_t>(c)], right[c]});
        }
    }
    return texts;
}

void PrintVehicleListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                         const CIftaDoc &doc, const FleetRecord &fleet)
{
    state.setup.currentPage = info.currentPage;
    state.linesPerPage = ListingLinesPerPage(info.drawRect.height(), state.setup.lineHeight);
    DrawListing(painter,
                VehicleListingPage(doc, fleet, state.setup, info.drawRect, info.currentPage));
}
