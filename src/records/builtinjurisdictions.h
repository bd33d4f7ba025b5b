#pragma once

#include <string>
#include <vector>

// The jurisdictions a trip line can name while no tax-rate table is loaded: the 63 names
// the entry dialog offers then, in its order, each with the slot it has in the shipped
// tax-rate tables (and so in every table made from them by a rate-chart download). A
// trip line entered with such a name keeps that slot, so that a table loaded later shows
// the same jurisdiction. The two surcharges the shipped tables lack ("MI Surcharge",
// "OH Surcharge") take the first free slots after them.

// The 63 names, spelled as the dialog has always shown them ("Massachussetts").
const std::vector<std::string> &BuiltInJurisdictionNames();
// The slot of one of those names (exact spelling), or -1 for any other text.
int BuiltInJurisdictionSlot(const std::string &name);
// The built-in name of a slot, or an empty text for a slot none of them has.
std::string BuiltInJurisdictionName(int slot);
// Whether the built-in name is a surcharge pseudo-jurisdiction ("KY Surcharge").
bool IsBuiltInSurcharge(const std::string &name);
