#include "sessionbase/tripclipboard.h"

#include "imports/csvimport.h"
#include "imports/csvlines.h"
#include "imports/headingimport.h"
#include "numbers/decimaltext.h"
#include "numbers/uitext.h"
#include "records/ciftadoc.h"
#include "records/entryresolver.h"
#include "records/taxlist.h"
#include "records/units.h"
#include "sessionbase/headingimportcase.h"
#include "sessionbase/sessionprompts.h"

namespace {

const char *DistanceHeading(bool miles)
{
    return miles ? "Miles" : "Kilometres";
}

const char *FuelHeading(bool gallons)
{
    return gallons ? "Gallons" : "Litres";
}

// Whether the line at `positions[i]` is the surcharge line of the one before it, as Add
// New and an import place it.
bool FollowsItsTrip(const CIftaDoc &doc, const std::vector<size_t> &positions, size_t i)
{
    if (i == 0 || positions[i - 1] + 1 != positions[i])
        return false;
    const TripEntry &trip = doc.entries()[positions[i - 1]];
    const int slot = FindSurchargeSlot(trip, doc.taxTable());
    return slot >= 0 && slot == doc.entries()[positions[i]].slot;
}

void AppendLine(std::string &text, const TripEntry &e, const TaxRateTable &table)
{
    const std::string abbreviation =
        TaxRateTable::isValidSlot(e.slot) ? table[e.slot].abbreviation : std::string();
    text += e.date.str() + '\t' + e.reservedText.str() + '\t' + abbreviation + '\t' +
            std::to_string(e.distance) + '\t' + ShortestDecimalText(e.fuel.units, 2) + '\t' +
            std::to_string(static_cast<uint32_t>(e.odometerIn)) + '\t' +
            std::to_string(static_cast<uint32_t>(e.odometerOut)) + "\r\n";
}

// `text` with a heading row: its own when it has one the import reads, else the list's
// columns. `added` is 1 when the list's heading was put before it.
std::string WithHeading(const CIftaDoc &doc, std::string_view text, size_t &added)
{
    std::vector<std::string> headings;
    added = 0;
    if (ReadHeadings(text, headings) && IsImportHeading(headings))
        return std::string(text);
    LineReader reader(text);
    std::string_view first;
    reader.nextNonEmpty(first);
    const char separator = first.find('\t') != std::string_view::npos ? '\t' : ',';
    added = 1;
    return ListColumnsHeading(doc.company().country, separator) + "\r\n" + std::string(text);
}

// Whether the good rows are added after the refused ones were listed.
bool KeepGoodRows(SessionPrompts &prompts, const HeadingImport &import)
{
    const std::string refused = RefusedLinesText(
        import.refused, 12,
        RefusedWords{UI_TEXT_NOOP("HeadingImport", "1 row of the pasted text could not be read:"),
                     UI_TEXT_NOOP("HeadingImport", "%1 rows of the pasted text could not be read:"),
                     UI_TEXT_NOOP("HeadingImport", "row %1: %2")});
    if (import.lines.empty()) {
        prompts.warn(UiArgs(UiText("TripClipboard", "%1\n\nNo row was pasted."), {refused}));
        return false;
    }
    return prompts.askYesNo(UiArgs(import.lines.size() == 1
                                       ? UiText("TripClipboard", "%1\n\nAdd the %2 good row?")
                                       : UiText("TripClipboard", "%1\n\nAdd the %2 good rows?"),
                                   {refused, std::to_string(import.lines.size())}));
}

} // namespace

std::string ListColumnsHeading(const std::string &country, char separator)
{
    const bool canada = IsCanada(country);
    const char *const names[] = {"Trip",        "Unit",         "Date",
                                 "Name",        "Jurisdiction", DistanceHeading(!canada),
                                 "Odometer In", "Odometer Out", FuelHeading(!canada),
                                 "Surtax"};
    std::string heading;
    for (const char *name : names) {
        if (!heading.empty())
            heading += separator;
        heading += name;
    }
    return heading;
}

bool CopiedTripsText(const CIftaDoc &doc, const std::vector<size_t> &positions, std::string &text,
                     std::string &error)
{
    text.clear();
    const CIftaDoc::Entries &entries = doc.entries();
    if (positions.empty() || positions.back() >= entries.size())
        return false;
    const TripEntry &first = entries[positions.front()];
    for (size_t position : positions) {
        const TripEntry &e = entries[position];
        if (e.distanceInMiles != first.distanceInMiles || e.fuelInGallons != first.fuelInGallons) {
            error = kCopyMixedUnits;
            return false;
        }
    }
    text = std::string("Date\tUnit\tJurisdiction\t") + DistanceHeading(first.distanceInMiles) +
           '\t' + FuelHeading(first.fuelInGallons) + "\tOdometer In\tOdometer Out\r\n";
    text.reserve(text.size() + positions.size() * 48);
    for (size_t i = 0; i < positions.size(); ++i) {
        if (!FollowsItsTrip(doc, positions, i))
            AppendLine(text, entries[positions[i]], doc.taxTable());
    }
    return true;
}

size_t PasteTripsText(CIftaDoc &doc, SessionPrompts &prompts, std::string_view pasted)
{
    if (!IsTaxTableLoaded(doc.taxTable())) {
        prompts.warn(kPasteNeedsTable);
        return 0;
    }
    size_t added = 0;
    const std::string text = WithHeading(doc, pasted, added);
    HeadingImportSettings settings;
    // Columns whose names give no unit are in the units a new line starts in.
    settings.units = doc.newEntryUnits();
    HeadingImport import;
    if (!ReadTextByHeading(doc, prompts, text, UiText("TripClipboard", "the pasted rows"), settings,
                           import))
        return 0;
    // Rows are counted in the text as pasted, not in the heading put before it.
    for (RefusedLine &refused : import.refused)
        refused.line -= added;
    if (!import.refused.empty() && !KeepGoodRows(prompts, import))
        return 0;
    const std::string leftOut = LeftOutText(import);
    if (import.lines.empty()) {
        prompts.warn(leftOut.empty() ? std::string(kPasteHoldsNoTrips) : leftOut);
        return 0;
    }
    std::vector<TripEntry> lines = std::move(import.lines);
    InsertSurchargeLines(lines, doc.taxTable(), doc.isDiesel());
    const size_t count = lines.size();
    doc.appendEntries(std::move(lines));
    if (!leftOut.empty())
        prompts.inform(leftOut);
    return count;
}
