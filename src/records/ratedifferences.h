#pragma once

#include "records/entryresolver.h"
#include "records/taxlist.h"
#include "records/taxratetable.h"
#include "records/tripentry.h"

#include <algorithm>
#include <array>

// The jurisdictions (slots) whose trip lines carry another rate than the table's for the
// record's fuel type, found line by line: the report taxes them at their own rates until
// Save/Update Tax Rates. Slots without a name in the table and slots outside it count
// for none, and so does every slot while no table is loaded.
class RateDifferences
{
public:
    RateDifferences(const TaxRateTable &table, bool diesel) : loaded_(IsTaxTableLoaded(table))
    {
        for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
            rates_[static_cast<size_t>(slot)] = SlotRate(table[slot], diesel);
            named_[static_cast<size_t>(slot)] = !table[slot].name.empty();
        }
    }

    void add(const TripEntry &entry)
    {
        if (!loaded_ || !TaxRateTable::isValidSlot(entry.slot))
            return;
        const auto slot = static_cast<size_t>(entry.slot);
        if (named_[slot] && entry.rate != rates_[slot])
            differing_[slot] = true;
    }

    int count() const
    {
        return static_cast<int>(std::count(differing_.begin(), differing_.end(), true));
    }

private:
    bool loaded_;
    std::array<TenThousandths, TaxRateTable::kSlotCount> rates_{};
    std::array<bool, TaxRateTable::kSlotCount> named_{};
    std::array<bool, TaxRateTable::kSlotCount> differing_{};
};
