#pragma once

#include "records/taxratetable.h"

#include <string>
#include <string_view>
#include <vector>

// Type-ahead of a jurisdiction box (the entry dialog's and the new-trip row's): the
// jurisdictions a typed beginning may stand for, from the loaded table's abbreviations
// and names ("ont" gives ON Ontario, "new b" NB New Brunswick), case, accents and
// repeated blanks ignored. Without a loaded table the built-in names are offered.

struct JurisdictionChoice {
    std::string abbreviation; // what the box takes (the built-in name without a table)
    std::string name;         // what the list shows beside it
};

// The jurisdictions whose abbreviation or name begins with `typed`: the abbreviation
// equal to it first, then those whose abbreviation begins with it, then those whose name
// does, each in slot order. Empty for an empty text.
std::vector<JurisdictionChoice> CompleteJurisdiction(const TaxRateTable &table,
                                                     std::string_view typed);

// The abbreviation a typed text settles on when the box is left: the first choice, or an
// empty text when nothing matches (the box then refuses it, naming the field).
std::string SettleJurisdiction(const TaxRateTable &table, std::string_view typed);
