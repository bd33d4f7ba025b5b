#pragma once

#include "records/taxratetable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A jurisdiction text as it is compared: upper case, accents of Windows-1252 letters
// dropped, blanks at the ends dropped and runs of blanks made one.
void JurisdictionKey(std::string_view text, std::string &key);

// Finds the slot of the loaded table that an export's jurisdiction text names: a two- or
// three-letter code ("ON", "qc") or a full name ("Ontario", "NEW YORK"), case, accents
// and repeated blanks ignored. Codes and names outside the table's own ("NL" and "NF"
// for Newfoundland, "PQ" for Quebec) are known as well. Surcharge slots are never named
// by an export: a surcharge line follows its jurisdiction's line.
class JurisdictionMatcher
{
public:
    explicit JurisdictionMatcher(const TaxRateTable &table);

    // The slot, or -1 when the table has no such jurisdiction.
    int find(std::string_view text) const;

private:
    int findKey(const std::string &key) const;

    std::vector<std::pair<std::string, int>> keys_; // sorted by key
    // The slot of each two-letter key (upper case), -1 for none: most exports give codes.
    std::vector<int8_t> twoLetters_;
    mutable std::string scratch_; // the key of the text looked up last
};
