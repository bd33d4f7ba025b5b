#include "records/entrylist.h"

#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"
#include "numbers/uitext.h"
#include "records/builtinjurisdictions.h"
#include "records/taxlist.h"
#include "records/units.h"

std::vector<ListColumn> EntryListColumns(const std::string &country)
{
    const bool canada = IsCanada(country);
    return {
        {UI_TEXT_NOOP("ListColumns", "Trip"), 30, true},
        {UI_TEXT_NOOP("ListColumns", "Unit"), 60, true},
        {UI_TEXT_NOOP("ListColumns", "Date"), 70, true},
        {UI_TEXT_NOOP("ListColumns", "State"), 150, true},
        {UI_TEXT_NOOP("ListColumns", "Abbrev"), 50, true},
        {canada ? UI_TEXT_NOOP("ListColumns", "Distance (Km)")
                : UI_TEXT_NOOP("ListColumns", "Distance (Mil)"),
         120, false},
        {UI_TEXT_NOOP("ListColumns", "Odometer IN"), 120, false},
        {UI_TEXT_NOOP("ListColumns", "Odometer OUT"), 120, false},
        {canada ? UI_TEXT_NOOP("ListColumns", "Fuel (L)")
                : UI_TEXT_NOOP("ListColumns", "Fuel (Gal)"),
         120, false},
        {UI_TEXT_NOOP("ListColumns", "Surtax"), 50, false},
    };
}

ListLine EntryListLine(const TripEntry &entry, const TaxRateTable &table,
                       const std::string &country)
{
    ListLine line(EntryColumnCount);
    line[EntryColumnTrip] = std::to_string(entry.tripNumber);
    line[EntryColumnUnit] = entry.reservedText;
    line[EntryColumnDate] = entry.date;
    if (!IsTaxTableLoaded(table)) {
        // A line entered before any table was loaded still names its jurisdiction.
        line[EntryColumnState] = BuiltInJurisdictionName(entry.slot);
    } else if (TaxRateTable::isValidSlot(entry.slot)) {
        line[EntryColumnState] = table[entry.slot].name;
        line[EntryColumnAbbrev] = table[entry.slot].abbreviation;
    }
    // The distance is shown as the signed number "%d" makes of it.
    const uint32_t distance = ConvertDistance(entry.distance, entry.distanceInMiles, country);
    line[EntryColumnDistance] = std::to_string(static_cast<int32_t>(distance));
    line[EntryColumnOdometerIn] = std::to_string(entry.odometerIn);
    line[EntryColumnOdometerOut] = std::to_string(entry.odometerOut);
    line[EntryColumnFuel] = FormatFixed(ConvertFuel(entry.fuel, entry.fuelInGallons, country));
    line[EntryColumnSurtax] = entry.surcharge == 1 ? "X" : "";
    return line;
}
