#pragma once

#include "print/listings.h"
#include "print/printsetup.h"
#include "report/yearsummary.h"

#include <QString>

#include <vector>

class QPainter;

// The year summary's listing, printed with the listing page set-up: the title and the
// carrier with its year, two heading lines, the year list's lines (its filing column
// left out for room), and after them each quarter's filing on a line of its own.

// The lines the listing prints, each the texts of its nine columns; a filing line has
// its text in the first column.
std::vector<std::vector<QString>> YearListingLines(const YearSummary &summary);

std::vector<ListingText> YearListingPage(const YearSummary &summary, const PrintSetup &setup,
                                         const QRect &drawRect, int page);

void PrintYearListing(QPainter &painter, const PrintInfo &info, PrintState &state,
                      const YearSummary &summary);
