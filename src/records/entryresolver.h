#pragma once

#include "records/taxratetable.h"
#include "records/tripentry.h"
#include "records/units.h"

// Slot of the surcharge pseudo-jurisdiction that goes with a trip line ("KY Surcharge"
// for a line in "KY"), or -1: a surcharge line has none, nor has a line whose slot is
// outside the table.
int FindSurchargeSlot(const TripEntry &entry, const TaxRateTable &table);

// Completes a line from the table by its `abbreviation`: slot, rate by fuel type,
// surcharge flag and the units it was entered in. Returns false, leaving the line as it
// was, when no slot carries that abbreviation.
bool ResolveEntry(TripEntry &entry, const TaxRateTable &table, bool diesel,
                  const EntryUnits &units);

// The rate a trip line copies from a slot: diesel or gasoline by the record's fuel type.
TenThousandths SlotRate(const TaxRate &rate, bool diesel);
