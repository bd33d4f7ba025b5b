#pragma once

#include "check/finding.h"
#include "print/printsetup.h"
#include "records/ciftadoc.h"
#include "report/vehiclerecord.h"

#include <QString>

#include <vector>

class QPainter;

// The record listing (one line per trip entry, in record order), the tax-rate listing
// (one line per slot of the loaded table) and the check listing (one line per finding,
// long messages wrapped onto the lines below), printed with the listing page set-up: a
// title line, a heading line two lines below it, then the lines from the fifth line on.

// One text of a listing page, in device units: left end (or right end) and top at (x, y).
struct ListingText {
    int x = 0;
    int y = 0;
    QString text;
    bool rightAligned = false;
};

// Where a listing page's lines go: line j of the listing is on this page when the plan
// holds it, at lineY(j); the title, the carrier and the headings take the lines above.
struct PagePlan {
    int perPage = 1;
    int first = 0; // first line index of the page
    int top = 0;
    int lineHeight = 0;

    bool holds(int j) const { return j >= first && j < first + perPage; }
    int lineY(int j) const { return top + (4 + (j - first)) * lineHeight; }
};
PagePlan PlanPage(const PrintSetup &setup, const QRect &drawRect, int page);

// The title line with "Page N" at its right, and below it the line that says whose
// listing it is (none when `whose` is empty).
void AddTitle(std::vector<ListingText> &texts, const QRect &drawRect, const char *title, int page,
              int lineHeight, const QString &whose);

// Draws a page's texts in the painter's font, right-aligned ones ending at their x.
void DrawListing(QPainter &painter, const std::vector<ListingText> &texts);

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
// Each line shows the trip, date, unit, jurisdiction, distance, fuel, surcharge mark and
// both odometer readings.
// Each page names the carrier, its IFTA number and the record's quarter below the title;
// the last page ends with the totals of the distances and fuel printed.
std::vector<ListingText> RecordListingPage(const CIftaDoc &doc, const PrintSetup &setup,
                                           const QRect &drawRect, int page);
// The width the record listing's columns take from the left edge: about 18 five-digit
// widths, within the width of a page in either orientation.
int RecordListingWidth(const PrintSetup &setup);

// The texts of one page of the tax-rate listing. A slot without a name leaves its line
// blank. With `period`, each page names the table's quarter below the title.
std::vector<ListingText> TaxRateListingPage(const TaxRateTable &table, const PrintSetup &setup,
                                            const QRect &drawRect, int page,
                                            const TaxPeriod *period = nullptr);

// One line of the check listing: a finding's rule, trip and jurisdiction with the first
// part of its message, or (all three empty) a further part of a long message.
struct CheckListingLine {
    std::string rule;
    std::string trip;
    std::string jurisdiction;
    std::string text;
};

// The check listing's lines, messages wrapped at blanks to `messageChars` characters (a
// word longer than that stays whole).
std::vector<CheckListingLine> CheckListingLines(const Findings &findings, int messageChars);

// Characters of a message line on a page: the room right of the message column, at the
// width of an average digit (wider than most letters, so a line rarely runs off the page).
int CheckMessageChars(const PrintSetup &setup, const QRect &drawRect);

// The texts of one page of the check listing; below the title, the carrier, its IFTA
// number and the record's quarter, as on the other listings.
std::vector<ListingText> CheckListingPage(const CIftaDoc &doc, const Findings &findings,
                                          const PrintSetup &setup, const QRect &drawRect, int page);

// The vehicle records: for each unit a line naming it, its trips in date order (trip,
// date, jurisdiction, odometers, distance and fuel in the carrier's units), its distance
// and fuel by jurisdiction, its totals and average, an empty line; the fleet's line last.
// Each line is the texts of its seven columns.
std::vector<std::vector<QString>> VehicleListingLines(const CIftaDoc &doc,
                                                      const FleetRecord &fleet);
std::vector<ListingText> VehicleListingPage(const CIftaDoc &doc, const FleetRecord &fleet,
                                            const PrintSetup &setup, const QRect &drawRect,
                                            int page);

// One page of each listing on the painter, after SetUpListingPage.
void PrintRecordListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                        const CIftaDoc &doc);
void PrintTaxRateListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                         const TaxRateTable &table, const TaxPeriod &period);
void PrintVehicleListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                         const CIftaDoc &doc, const FleetRecord &fleet);
void PrintCheckListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                       const CIftaDoc &doc, const Findings &findings);
