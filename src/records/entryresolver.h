#pragma once

#include "records/taxratetable.h"
#include "records/tripentry.h"
#include "records/units.h"

// Slot of the surcharge pseudo-jurisdiction that goes with a trip line ("KY Surcharge"
// for a line in "KY"), or -1: a surcharge line has none, nor has a line whose slot is
// outside the table.
int FindSurchargeSlot(const TripEntry &entry, const TaxRateTable &table);

// Completes a line from the table by the `abbreviation` typed for it: slot, rate by fuel
// type, surcharge flag and the units it was entered in. Returns false, leaving the line
// as it was, when no slot carries that abbreviation.
bool ResolveEntry(TripEntry &entry, const std::string &abbreviation, const TaxRateTable &table,
                  bool diesel, const EntryUnits &units);

// Completes a line entered while no table is loaded, by the built-in jurisdiction name
// typed for it: the slot that name has in the shipped tables, its surcharge flag,
// no rate yet (Save/Update Tax Rates gives it the loaded table's) and the units. Returns
// false, leaving the line as it was, for a text that is no built-in name.
bool ResolveBuiltInEntry(TripEntry &entry, const std::string &name, const EntryUnits &units);

// The rate a trip line copies from a slot: diesel or gasoline by the record's fuel type.
TenThousandths SlotRate(const TaxRate &rate, bool diesel);
