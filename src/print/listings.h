#pragma once

#include "print/printsetup.h"
#include "records/ciftadoc.h"

#include <QString>

#include <vector>

class QPainter;

// The record listing (one line per trip entry, in record order) and the tax-rate listing
// (one line per slot of the loaded table), printed with the listing page set-up: a title
// line, a heading line two lines below it, then the lines from the fifth line on.

// One text of a listing page, in device units: left end (or right end) and top at (x, y).
struct ListingText {
    int x = 0;
    int y = 0;
    QString text;
    bool rightAligned = false;
};

// Lines that fit the drawing rectangle, one kept free: height / lineHeight - 1.
int ListingLinesPerPage(int drawHeight, int lineHeight);

// Entry or slot lines a page holds below its title and headings (at least 1).
int ListingLinesOnPage(int linesPerPage);

// Pages that `lineCount` lines need at `linesPerPage` lines a page; 0 for no lines.
int ListingPageCount(int lineCount, int linesPerPage);

// The lines each listing prints: the record listing's trip lines with an empty line and
// the totals line after them (0 without trips); the tax-rate listing's slots up to the
// last named one (0 for an empty table).
int RecordListingLineCount(const CIftaDoc &doc);
int TaxRateListingLineCount(const TaxRateTable &table);

// The texts of one page of the record listing: the set-up's extents and the drawing
// rectangle place them; kilometre headings for a Canadian carrier, mile headings else.
// Each page names the carrier, its IFTA number and the record's quarter below the title;
// the last page ends with the totals of the distances and fuel printed.
std::vector<ListingText> RecordListingPage(const CIftaDoc &doc, const PrintSetup &setup,
                                           const QRect &drawRect, int page);

// The texts of one page of the tax-rate listing. A slot without a name leaves its line
// blank. With `period`, each page names the table's quarter below the title.
std::vector<ListingText> TaxRateListingPage(const TaxRateTable &table, const PrintSetup &setup,
                                            const QRect &drawRect, int page,
                                            const TaxPeriod *period = nullptr);

// One page of each listing on the painter, after SetUpListingPage.
void PrintRecordListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                        const CIftaDoc &doc);
void PrintTaxRateListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                         const TaxRateTable &table, const TaxPeriod &period);
