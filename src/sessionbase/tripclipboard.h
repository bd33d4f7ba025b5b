#pragma once

#include "numbers/uitext.h"
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CIftaDoc;
class SessionPrompts;

// Trip lines to and from a spreadsheet: the text Copy puts on the clipboard and the
// reading of a pasted text. A paste is read exactly as the import by heading reads a file
// (ImportByHeading: its column names, units, dates and refusals), so that pasted rows
// give the lines `tollmark-cli import --by-heading` gives for the same text.

// The heading a paste without one is read by: the entry list's columns in its order,
// named as the import knows them ("Jurisdiction" for the abbreviation, "Kilometres" and
// "Litres" or "Miles" and "Gallons" by the carrier's country).
std::string ListColumnsHeading(const std::string &country, char separator);

// The lines at `positions` (record order), tab-separated under a heading row, in the
// lines' own units. A surcharge line right after its trip's line is left out: a paste
// adds it again. False with `error` when the lines are in different units (one column
// cannot say both) or none is given.
bool CopiedTripsText(const CIftaDoc &doc, const std::vector<size_t> &positions, std::string &text,
                     std::string &error);

// Pastes `text` (Windows-1252; rows separated by tabs or commas, with or without a
// heading row) after the record's lines: rows that do not read are listed with their row
// numbers and reasons, and the good ones are added only when the user agrees; every line
// is followed by its surcharge line where the table has one; all are added as one undo
// step. Returns the lines added (0 when nothing was, after telling why).
size_t PasteTripsText(CIftaDoc &doc, SessionPrompts &prompts, std::string_view text);

constexpr const char *kPasteNeedsTable = UI_TEXT_NOOP(
    "Messages",
    "Pasted trips are read by the jurisdictions of the tax-rate table. Please load a tax-rate "
    "table first.");
constexpr const char *kPasteHoldsNoTrips =
    UI_TEXT_NOOP("Messages", "The pasted text holds no trip lines.");
constexpr const char *kCopyMixedUnits = UI_TEXT_NOOP(
    "Messages",
    "The selected lines are in different units. Please copy the lines of one unit at a time.");
