#pragma once

#include "records/taxratetable.h"
#include "records/tripentry.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// What an entry-list row is sorted by, made straight from its trip line rather than from
// the texts the row shows: a million rows are keyed in one quick pass, then sorted by
// whole numbers. The order is that of the texts shown:
// - State and Abbrev: the state name in upper case;
// - Unit: units that are only digits (fewer than 16) by their numbers, before the named
//   ones in upper case;
// - Date: the whole date "yyyy/mm/dd" as a number (month and day count), 0 for no date;
// - every other column by the number shown, distance and fuel in the country's units;
// lines that tie go by trip number.
//
// A key is one whole number: a column's key has either a text (State, named units) or a
// number, never both, so texts ranked above every number keep that order.
struct EntrySortKey {
    uint64_t value = 0;
    int32_t tripNumber = 0;
    uint32_t row = 0; // where the row stood before: equal keys keep their order
};

// Whether `a` comes before `b` in the order asked for.
inline bool EntrySortsBefore(const EntrySortKey &a, const EntrySortKey &b, bool ascending)
{
    if (a.value != b.value)
        return ascending ? a.value < b.value : b.value < a.value;
    if (a.tripNumber != b.tripNumber)
        return ascending ? a.tripNumber < b.tripNumber : b.tripNumber < a.tripNumber;
    return a.row < b.row;
}

class EntrySortKeys
{
public:
    // Keys for `column` of the list over `entries`, as the table and country show them.
    EntrySortKeys(int column, const std::vector<TripEntry> &entries, const TaxRateTable &table,
                  const std::string &country);

    // The key of a row that shows `entry` and stands at `row`.
    EntrySortKey key(const TripEntry &entry, uint32_t row) const;

private:
    void rankStates(const TaxRateTable &table);
    void rankUnits(const std::vector<TripEntry> &entries);

    int column_;
    std::string country_;
    std::vector<int64_t> stateRanks_;                    // by slot
    std::unordered_map<std::string, int64_t> unitRanks_; // by unit text as stored
};
