#pragma once

#include "numbers/uitext.h"
#include "platform/result.h"
#include "records/ciftadoc.h"
#include "records/units.h"

#include <cstdint>
#include <string>
#include <vector>

// Import of trip lines from comma- or tab-separated text (a spreadsheet export). The
// carrier says which columns the file has, always in this order: date, state
// abbreviation, distance, fuel, odometer in, odometer out; and in which units.

// The import options: one integer of these bits.
using ImportOptions = uint32_t;
enum ImportOptionBit : uint32_t {
    ImportDate = 1,
    ImportState = 2, // always set: every line names its jurisdiction
    ImportDistance = 4,
    ImportFuel = 8,
    ImportOdometerIn = 16,
    ImportOdometerOut = 32,
    ImportFuelInLitres = 64,
    ImportDistanceInKm = 128,
    ImportHeader = 256, // the first non-empty line is a heading
};

// Date, state, fuel, odometer in, litres, kilometres and header.
constexpr ImportOptions kDefaultImportOptions = 475;

constexpr const char *kImportFileFilter = UI_TEXT_NOOP(
    "FileFilters", "Trip files (*.csv *.txt *.tsv)|*.csv;*.txt;*.tsv|All files (*)|*||");

// The units the options say the file's distances and fuel are in; new trip lines are
// entered in them after an import.
EntryUnits ImportUnits(ImportOptions options);

// Replaces the document's trip lines by those of the CSV file at `path`: each line's
// jurisdiction is found by abbreviation in the document's tax table and gets the slot's
// rate for the document's fuel type; then odometer readings and distances are completed
// from neighbouring lines and surcharge lines are added, all numbered from 1. The lines
// are in the units ImportUnits(options) gives.
//
// A success carries ZeroedDistancesNote when odometers gave lines a distance of 0.
// On failure the result carries the message to show; the lines read before the failing
// line stay in the document, without completion and surcharge lines. A file without any
// data line (empty, a header only, blank lines) fails with "No trip lines in FILE." and
// leaves the document as it was.
Result ImportCsv(CIftaDoc &doc, const std::string &path, ImportOptions options);

// An import file's text, UTF-8 converted to the program's single-byte text. Fails with
// "The file ... does not exist.", "... is a folder.", the reader's refusal of what is not a
// regular file or too large, and "... is locked. Close the file and try again." for a
// file that is there and cannot be read.
Result ReadImportText(const std::string &path, std::string &text);

// The reading step on its own: the file's lines as trip lines, numbered from 1, with
// slot, rate and units; `lines` holds those read before a failing line.
Result ReadCsvLines(const CIftaDoc &doc, const std::string &path, ImportOptions options,
                    std::vector<TripEntry> &lines);

// The completion step on its own, over the lines in order: a missing odometer out is the
// next line's odometer in and a missing odometer in the previous line's odometer out; a
// missing distance is odometer out minus odometer in (0 when out lies below in). Then
// every line is followed by its surcharge line where the table has one, and all are
// numbered from 1. Returns how many lines got a distance of 0 from odometer readings that
// run backwards or give a distance too large (OdometerDistance).
int CompleteImportedLines(std::vector<TripEntry> &lines, const TaxRateTable &table, bool diesel);

// The import's note of `lines` such lines.
std::string ZeroedDistancesNote(int lines);

// Puts after each line whose jurisdiction has a surcharge slot a copy in that slot, with
// the slot's rate for the fuel type, the slot's surcharge flag and no fuel.
void InsertSurchargeLines(std::vector<TripEntry> &lines, const TaxRateTable &table, bool diesel);
