#pragma once

#include "records/listcolumn.h"
#include "records/taxratetable.h"
#include "records/tripentry.h"

#include <string>
#include <vector>

// The entry list: one line per trip line, in record order, in the units of the carrier's
// country. The window's list, the command-line tool and the printed record listing all
// take their columns and texts from here.
//
// Columns: Trip, Unit, Date, State, Abbrev (left-aligned), distance, Odometer IN,
// Odometer OUT, fuel, Surtax (right-aligned). The distance and fuel headings name the
// unit: "Distance (Km)" and "Fuel (L)" for a Canadian carrier, "Distance (Mil)" and
// "Fuel (Gal)" for any other.
enum EntryColumn {
    EntryColumnTrip,
    EntryColumnUnit, // the unit number (the line's reservedText)
    EntryColumnDate,
    EntryColumnState,
    EntryColumnAbbrev,
    EntryColumnDistance,
    EntryColumnOdometerIn,
    EntryColumnOdometerOut,
    EntryColumnFuel,
    EntryColumnSurtax,
    EntryColumnCount
};

// The ten columns for the carrier's country ("Canada" exactly selects km and litres).
std::vector<ListColumn> EntryListColumns(const std::string &country);

// The ten texts of one trip line. State and abbreviation come from the line's slot in
// the table loaded now (empty for a slot outside the table); distance and fuel are
// converted to the country's units.
ListLine EntryListLine(const TripEntry &entry, const TaxRateTable &table,
                       const std::string &country);
