#include "print/yearlisting.h"

#include "print/printtext.h"
#include "records/units.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

constexpr int kColumns = 9;

// Left edges of the three text columns and right ends of the six number columns, in
// tenths of a five-digit width: a jurisdiction's name takes up to about 30, "Abbrev" 11,
// "Year 2025" 18, a fuel figure 18; the two heading lines keep each heading within its
// column. The last ends within the 20 five-digit widths a listing line holds.
constexpr int kColumnAt[kColumns] = {0, 33, 47, 86, 104, 118, 142, 164, 188};
constexpr bool kRightAligned[kColumns] = {false, false, false, true, true, true, true, true, true};

QString Whose(const YearSummary &summary)
{
    QString whose = FromCp1252(summary.companyName);
    if (!summary.iftaNumber.empty())
        whose += QStringLiteral("    IFTA %1").arg(FromCp1252(summary.iftaNumber));
    whose += QCoreApplication::translate("Listings", "    Year %1").arg(summary.year);
    return whose.trimmed();
}

void AddHeadings(std::vector<ListingText> &texts, const int x[kColumns], int y, int lineHeight,
                 bool metric)
{
    const QString unit = metric ? QCoreApplication::translate("Listings", "(Km)")
                                : QCoreApplication::translate("Listings", "(Mil)");
    const QString first[kColumns] = {QCoreApplication::translate("Listings", "State"),
                                     QCoreApplication::translate("Listings", "Abbrev"),
                                     QCoreApplication::translate("Listings", "Quarter"),
                                     QCoreApplication::translate("Listings", "Total"),
                                     QCoreApplication::translate("Listings", "Taxable"),
                                     QString(),
                                     QCoreApplication::translate("Listings", "Fuel"),
                                     QCoreApplication::translate("Listings", "Fuel"),
                                     QCoreApplication::translate("Listings", "To pay(+)/")};
    const QString second[kColumns] = {QString(),
                                      QString(),
                                      QString(),
                                      QCoreApplication::translate("Listings", "dist. ") + unit,
                                      QCoreApplication::translate("Listings", "dist. ") + unit,
                                      metric ? QCoreApplication::translate("Listings", "Km/L")
                                             : QCoreApplication::translate("Listings", "MPG"),
                                      QCoreApplication::translate("Listings", "taxable"),
                                      QCoreApplication::translate("Listings", "paid"),
                                      QCoreApplication::translate("Listings", "Credit(-)")};
    for (int c = 0; c < kColumns; ++c) {
        if (!first[c].isEmpty())
            texts.push_back({x[c], y, first[c], kRightAligned[c]});
        if (!second[c].isEmpty())
            texts.push_back({x[c], y + lineHeight, second[c], kRightAligned[c]});
    }
}

} // namespace

std::vector<std::vector<QString>> YearListingLines(const YearSummary &summary)
{
    std::vector<std::vector<QString>> lines;
    for (const ListLine &line : YearLines(summary)) {
        std::vector<QString> texts;
        for (int c = 0; c < kColumns; ++c)
            texts.push_back(FromCp1252(line[static_cast<size_t>(c)]));
        lines.push_back(std::move(texts));
    }
    // The filing of each quarter, below the totals.
    lines.push_back(std::vector<QString>(kColumns));
    for (const YearQuarter &quarter : summary.quarters) {
        std::vector<QString> texts(kColumns);
        texts[0] = QCoreApplication::translate("Listings", "%1 filing: %2")
                       .arg(FromCp1252(QuarterLabel(summary.year, quarter.quarter)),
                            FromCp1252(quarter.filing));
        lines.push_back(std::move(texts));
    }
    return lines;
}

std::vector<ListingText> YearListingPage(const YearSummary &summary, const PrintSetup &setup,
                                         const QRect &drawRect, int page)
{
    const PagePlan plan = PlanPage(setup, drawRect, page);
    int x[kColumns];
    for (int c = 0; c < kColumns; ++c)
        x[c] = drawRect.left() + setup.fiveDigitWidth * kColumnAt[c] / 10;

    std::vector<ListingText> texts;
    AddTitle(texts, drawRect, QT_TRANSLATE_NOOP("Listings", "IFTA Year Summary"), page,
             setup.lineHeight, Whose(summary));
    AddHeadings(texts, x, drawRect.top() + 2 * setup.lineHeight, setup.lineHeight,
                IsCanada(summary.country));
    const std::vector<std::vector<QString>> lines = YearListingLines(summary);
    for (int j = plan.first; j < static_cast<int>(lines.size()) && plan.holds(j); ++j) {
        const std::vector<QString> &line = lines[static_cast<size_t>(j)];
        for (int c = 0; c < kColumns; ++c) {
            // A filing line's text runs on past the first column.
            if (!line[static_cast<size_t>(c)].isEmpty())
                texts.push_back(
                    {x[c], plan.lineY(j), line[static_cast<size_t>(c)], kRightAligned[c]});
        }
    }
    return texts;
}

void PrintYearListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                      const YearSummary &summary)
{
    state.setup.currentPage = info.currentPage;
    state.linesPerPage = ListingLinesPerPage(info.drawRect.height(), state.setup.lineHeight);
    DrawListing(painter, YearListingPage(summary, state.setup, info.drawRect, info.currentPage));
}
