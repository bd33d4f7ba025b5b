#include "records/entryresolver.h"

#include "records/builtinjurisdictions.h"

int FindSurchargeSlot(const TripEntry &entry, const TaxRateTable &table)
{
    if (entry.surcharge || !TaxRateTable::isValidSlot(entry.slot))
        return -1;
    std::string abbreviation = table[entry.slot].abbreviation;
    while (!abbreviation.empty() && abbreviation.back() == ' ')
        abbreviation.pop_back();
    for (int i = 0; i < TaxRateTable::kSlotCount; ++i) {
        const TaxRate &candidate = table[i];
        if (candidate.surcharge && candidate.name.compare(0, 2, abbreviation) == 0 &&
            candidate.name.size() >= 2 && abbreviation.size() == 2)
            return i;
    }
    return -1;
}

TenThousandths SlotRate(const TaxRate &rate, bool diesel)
{
    return diesel ? rate.dieselRate : rate.gasolineRate;
}

bool ResolveEntry(TripEntry &entry, const std::string &abbreviation, const TaxRateTable &table,
                  bool diesel, const EntryUnits &units)
{
    const int found = table.findAbbreviation(abbreviation);
    if (found < 0)
        return false;
    const TaxRate &rate = table[found];
    entry.slot = rate.slot;
    entry.rate = SlotRate(rate, diesel);
    entry.surcharge = rate.surcharge;
    entry.distanceInMiles = units.distanceInMiles;
    entry.fuelInGallons = units.fuelInGallons;
    return true;
}

bool ResolveBuiltInEntry(TripEntry &entry, const std::string &name, const EntryUnits &units)
{
    const int slot = BuiltInJurisdictionSlot(name);
    if (slot < 0)
        return false;
    entry.slot = slot;
    entry.rate = TenThousandths{};
    entry.surcharge = IsBuiltInSurcharge(name) ? 1 : 0;
    entry.distanceInMiles = units.distanceInMiles;
    entry.fuelInGallons = units.fuelInGallons;
    return true;
}
