#include "views/entrysortkeys.h"

#include "numbers/civildate.h"
#include "numbers/decimaltext.h"
#include "records/builtinjurisdictions.h"
#include "records/entrylist.h"
#include "records/taxlist.h"
#include "records/units.h"

#include <algorithm>
#include <cctype>

namespace {

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

inline bool IsDigit(char c)
{
    return static_cast<unsigned char>(c - '0') < 10;
}

// A unit number that sorts as a number: digits only, fewer than 16 of them.
bool IsNumberedUnit(std::string_view unit)
{
    return !unit.empty() && unit.size() < 16 && std::all_of(unit.begin(), unit.end(), IsDigit);
}

// Ranks 1, 2 ... of the distinct texts in `texts` by their order; equal texts share one.
std::vector<int64_t> Ranks(const std::vector<std::string> &texts)
{
    std::vector<std::string> sorted = texts;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    std::vector<int64_t> ranks;
    for (const std::string &text : texts) {
        const auto at = std::lower_bound(sorted.begin(), sorted.end(), text);
        ranks.push_back(text.empty() ? 0 : 1 + (at - sorted.begin()));
    }
    return ranks;
}

// The date as yyyymmdd, 0 when the text is no trip date.
int64_t DateNumber(std::string_view text)
{
    CivilDate date;
    if (!ParseTripDate(text, date))
        return 0;
    return date.year * int64_t{10000} + date.month * 100 + date.day;
}

} // namespace

EntrySortKeys::EntrySortKeys(int column, const std::vector<TripEntry> &entries,
                             const TaxRateTable &table, const std::string &country)
    : column_(column == EntryColumnAbbrev ? EntryColumnState : column)
    , country_(country)
{
    if (column_ == EntryColumnState)
        rankStates(table);
    else if (column_ == EntryColumnUnit)
        rankUnits(entries);
}

void EntrySortKeys::rankStates(const TaxRateTable &table)
{
    // The name the State column shows for each slot.
    std::vector<std::string> names;
    const bool loaded = IsTaxTableLoaded(table);
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot)
        names.push_back(UpperCase(loaded ? table[slot].name : BuiltInJurisdictionName(slot)));
    stateRanks_ = Ranks(names);
}

void EntrySortKeys::rankUnits(const std::vector<TripEntry> &entries)
{
    // A fleet has few units: each distinct one is ranked once.
    for (const TripEntry &entry : entries) {
        if (!IsNumberedUnit(entry.reservedText.view()))
            unitRanks_.emplace(entry.reservedText.str(), 0);
    }
    std::vector<std::string> units;
    for (const auto &unit : unitRanks_)
        units.push_back(UpperCase(unit.first));
    const std::vector<int64_t> ranks = Ranks(units);
    size_t i = 0;
    for (auto &unit : unitRanks_)
        unit.second = ranks[i++];
}

EntrySortKey EntrySortKeys::key(const TripEntry &entry, uint32_t row, bool ascending) const
{
    int64_t text = 0;   // rank of the text among the column's texts; 0 for none
    int64_t number = 0; // within +-10^16 in every column
    switch (column_) {
    case EntryColumnTrip:
        number = entry.tripNumber;
        break;
    case EntryColumnUnit: {
        const std::string_view unit = entry.reservedText.view();
        if (IsNumberedUnit(unit))
            number = std::stoll(std::string(unit));
        else
            text = unitRanks_.at(entry.reservedText.str());
        break;
    }
    case EntryColumnDate:
        number = DateNumber(entry.date.view());
        break;
    case EntryColumnState:
        text = TaxRateTable::isValidSlot(entry.slot) ? stateRanks_[static_cast<size_t>(entry.slot)]
                                                     : 0;
        break;
    case EntryColumnDistance:
        // Shown as the signed number "%d" makes of it.
        number =
            static_cast<int32_t>(ConvertDistance(entry.distance, entry.distanceInMiles, country_));
        break;
    case EntryColumnOdometerIn:
        number = entry.odometerIn;
        break;
    case EntryColumnOdometerOut:
        number = entry.odometerOut;
        break;
    case EntryColumnFuel: {
        // As the text shown reads back: within the limit of an amount.
        const int64_t fuel = ConvertFuel(entry.fuel, entry.fuelInGallons, country_).units;
        number = std::clamp(fuel, -kDecimalLimit, kDecimalLimit);
        break;
    }
    default: // Surtax: "X" and "" read as no number; lines stay in trip order
        break;
    }
    // Numbers from 2^62 up, shifted so that negative ones come first; texts from 2^63.
    const uint64_t value = text != 0 ? (uint64_t{1} << 63) | static_cast<uint64_t>(text)
                                     : static_cast<uint64_t>(number + (int64_t{1} << 62));
    const uint64_t trip = static_cast<uint32_t>(entry.tripNumber) ^ 0x80000000u;
    return ascending ? EntrySortKey{value, trip << 32 | row}
                     : EntrySortKey{~value, (~trip & 0xFFFFFFFFu) << 32 | row};
}
