#include "records/taxratetable.h"

int TaxRateTable::usedCount() const
{
    for (int i = 0; i < kSlotCount; ++i) {
        if (slots_[static_cast<size_t>(i)].abbreviation.empty())
            return i;
    }
    return kSlotCount;
}

int TaxRateTable::findAbbreviation(const std::string &abbreviation) const
{
    for (int i = 0; i < kSlotCount; ++i) {
        if (slots_[static_cast<size_t>(i)].abbreviation == abbreviation)
            return i;
    }
    return -1;
}

void TaxRateTable::clear()
{
    slots_.fill(TaxRate{});
}
