#pragma once

#include "imports/exportdate.h"
#include "imports/headingmap.h"
#include "numbers/uitext.h"
#include "platform/result.h"
#include "records/taxratetable.h"
#include "records/tripentry.h"
#include "records/units.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Import by the file's heading: the trip lines of a mileage export (per vehicle, per
// jurisdiction, per day) or of a fuel-card export (date, state or province, quantity),
// their columns found by name (HeadingMap). A mileage file gives lines with fuel 0, a fuel
// file lines with distance 0.

// What the user settled before the import.
struct HeadingImportSettings {
    // Applied over the detected columns (ApplyMappingText); empty keeps them.
    std::string mapping;
    // The order of year-last dates, when the file leaves it open.
    DateOrder dateOrder = DateOrder::Unknown;
    // The units of distance and fuel columns whose names give none.
    EntryUnits units;
    // Meters become whole kilometres for a Canadian carrier, whole miles for any other.
    bool canadianCarrier = false;
};

// A data line that could not be read: its line number in the file (from 1) and why.
struct RefusedLine {
    size_t line = 0;
    std::string reason;
};

// What an import by heading read.
struct HeadingImport {
    std::vector<std::string> headings; // the file's column names
    HeadingMap map;                    // the columns used
    // The lines read, in file order and numbered from 1, each with its slot's rate for
    // the fuel type; no surcharge lines yet.
    std::vector<TripEntry> lines;
    std::vector<RefusedLine> refused;
    // Lines left out because their product is not motor fuel: each product code with its
    // count, in the order the codes first appear.
    std::vector<std::pair<std::string, size_t>> leftOut;
    // The file's year-last dates read both as MM/DD and as DD/MM and no order was given:
    // nothing was read.
    bool datesAmbiguous = false;

    size_t leftOutCount() const;
};

// The column names of the text's first non-empty line (quotes removed). False when the
// text has no line.
bool ReadHeadings(std::string_view text, std::vector<std::string> &headings);

// Reads the data lines of `text` (as TextFileToCp1252 gives it) by its heading. Fails, with the
// message to show and nothing read, when the text has no heading line, when the mapping text is
// wrong, when no column holds the jurisdiction, and when the dates are ambiguous
// (`datesAmbiguous`). Lines that do not read are refused one by one in `refused`; the
// others are read.
Result ImportByHeading(std::string_view text, const TaxRateTable &table, bool diesel,
                       const HeadingImportSettings &settings, HeadingImport &import);

// How the refused lines are named: "line" of "the file", or "row" of "the pasted text".
// The message's sentences (context "HeadingImport", translated when the message is
// made): for one refused line, for several (%1 their count), and for each (%1 its
// number, %2 the reason). A paste speaks of rows of the pasted text.
struct RefusedWords {
    const char *one = UI_TEXT_NOOP("HeadingImport", "1 line of the file could not be read:");
    const char *many = UI_TEXT_NOOP("HeadingImport", "%1 lines of the file could not be read:");
    const char *each = UI_TEXT_NOOP("HeadingImport", "line %1: %2");
};

// The message of the refused lines: each with its number and reason (the first
// `shownLines`, then how many more).
std::string RefusedLinesText(const std::vector<RefusedLine> &refused, size_t shownLines = 12,
                             const RefusedWords &words = RefusedWords());
// The message of the lines left out, or empty when none was.
std::string LeftOutText(const HeadingImport &import);
