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
// A key is two whole numbers, compared in turn: the column's value (either a text, for
// State and named units, or a number, never both, so texts ranked above every number
// keep that order), then the trip number and the row the line stood at, so that equal
// lines keep their order. For a descending order the value and the trip number are
// turned over (~) and the row is not: one ascending comparison serves both ways.
struct EntrySortKey {
    uint64_t value = 0;
    uint64_t tie = 0; // trip number (shifted to unsigned) above, row below

    uint32_t row() const { return static_cast<uint32_t>(tie); }
    friend bool operator<(const EntrySortKey &a, const EntrySortKey &b)
    {
        __extension__ typedef unsigned __int128 Both;
        return (Both(a.value) << 64 | a.tie) < (Both(b.value) << 64 | b.tie);
    }
};

class EntrySortKeys
{
public:
    // Keys for `column` of the list over `entries`, as the table and country show them.
    EntrySortKeys(int column, const std::vector<TripEntry> &entries, const TaxRateTable &table,
                  const std::string &country);

    // The key of a row that shows `entry` and stands at `row`, for an order ascending or
    // descending.
    EntrySortKey key(const TripEntry &entry, uint32_t row, bool ascending) const;

private:
    void rankStates(const TaxRateTable &table);
    void rankUnits(const std::vector<TripEntry> &entries);

    int column_;
    std::string country_;
    std::vector<int64_t> stateRanks_;                    // by slot
    std::unordered_map<std::string, int64_t> unitRanks_; // by unit text as stored
};
