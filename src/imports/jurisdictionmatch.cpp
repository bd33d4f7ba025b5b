#include "imports/jurisdictionmatch.h"

#include <algorithm>

namespace {

// clang-format off
// Full names and other codes of the IFTA jurisdictions, each with the codes a tax-rate
// table may use for it (the first the table has wins).
struct KnownName {
    const char *name;
    const char *codes[2];
};
const KnownName kKnownNames[] = {
    {"ALABAMA", {"AL"}}, {"ALASKA", {"AK"}}, {"ARIZONA", {"AZ"}}, {"ARKANSAS", {"AR"}},
    {"CALIFORNIA", {"CA"}}, {"COLORADO", {"CO"}}, {"CONNECTICUT", {"CT"}},
    {"DELAWARE", {"DE"}}, {"FLORIDA", {"FL"}}, {"GEORGIA", {"GA"}}, {"IDAHO", {"ID"}},
    {"ILLINOIS", {"IL"}}, {"INDIANA", {"IN"}}, {"IOWA", {"IA"}}, {"KANSAS", {"KS"}},
    {"KENTUCKY", {"KY"}}, {"LOUISIANA", {"LA"}}, {"MAINE", {"ME"}}, {"MARYLAND", {"MD"}},
    {"MASSACHUSETTS", {"MA"}}, {"MICHIGAN", {"MI"}}, {"MINNESOTA", {"MN"}},
    {"MISSISSIPPI", {"MS"}}, {"MISSOURI", {"MO"}}, {"MONTANA", {"MT"}},
    {"NEBRASKA", {"NE"}}, {"NEVADA", {"NV"}}, {"NEW HAMPSHIRE", {"NH"}},
    {"NEW JERSEY", {"NJ"}}, {"NEW MEXICO", {"NM"}}, {"NEW YORK", {"NY"}},
    {"NORTH CAROLINA", {"NC"}}, {"NORTH DAKOTA", {"ND"}}, {"OHIO", {"OH"}},
    {"OKLAHOMA", {"OK"}}, {"OREGON", {"OR"}}, {"PENNSYLVANIA", {"PA"}},
    {"RHODE ISLAND", {"RI"}}, {"SOUTH CAROLINA", {"SC"}}, {"SOUTH DAKOTA", {"SD"}},
    {"TENNESSEE", {"TN"}}, {"TEXAS", {"TX"}}, {"UTAH", {"UT"}}, {"VERMONT", {"VT"}},
    {"VIRGINIA", {"VA"}}, {"WASHINGTON", {"WA"}}, {"WEST VIRGINIA", {"WV"}},
    {"WISCONSIN", {"WI"}}, {"WYOMING", {"WY"}},
    {"ALBERTA", {"AB"}}, {"BRITISH COLUMBIA", {"BC"}}, {"MANITOBA", {"MB"}},
    {"NEW BRUNSWICK", {"NB"}}, {"NEWFOUNDLAND", {"NL", "NF"}},
    {"NEWFOUNDLAND AND LABRADOR", {"NL", "NF"}}, {"NEWFOUNDLAND & LABRADOR", {"NL", "NF"}},
    {"NL", {"NL", "NF"}}, {"NF", {"NF", "NL"}}, {"NOVA SCOTIA", {"NS"}},
    {"ONTARIO", {"ON"}}, {"PRINCE EDWARD ISLAND", {"PE"}}, {"PEI", {"PE"}},
    {"QUEBEC", {"QC"}}, {"PQ", {"QC"}}, {"SASKATCHEWAN", {"SK"}},
};
// clang-format on

} // namespace

void JurisdictionKey(std::string_view text, std::string &key)
{
    key.clear();
    bool blank = false;
    for (const char raw : text) {
        auto c = static_cast<unsigned char>(raw);
        if (c == ' ' || c == '\t' || c == 0xA0) {
            blank = !key.empty();
            continue;
        }
        if (c >= 'a' && c <= 'z')
            c = static_cast<unsigned char>(c - 'a' + 'A');
        else if ((c >= 0xE8 && c <= 0xEB) || (c >= 0xC8 && c <= 0xCB))
            c = 'E';
        else if ((c >= 0xE0 && c <= 0xE5) || (c >= 0xC0 && c <= 0xC5))
            c = 'A';
        else if (c == 0xE7 || c == 0xC7)
            c = 'C';
        else if ((c >= 0xEC && c <= 0xEF) || (c >= 0xCC && c <= 0xCF))
            c = 'I';
        else if ((c >= 0xF2 && c <= 0xF6) || (c >= 0xD2 && c <= 0xD6))
            c = 'O';
        else if ((c >= 0xF9 && c <= 0xFC) || (c >= 0xD9 && c <= 0xDC))
            c = 'U';
        if (blank)
            key += ' ';
        blank = false;
        key += static_cast<char>(c);
    }
}

namespace {

void Key(std::string_view text, std::string &key)
{
    JurisdictionKey(text, key);
}

} // namespace

JurisdictionMatcher::JurisdictionMatcher(const TaxRateTable &table)
{
    std::string key;
    const auto add = [&](const std::string &text, int slot) {
        Key(text, key);
        if (!key.empty() && findKey(key) < 0) {
            keys_.emplace_back(key, slot);
            std::sort(keys_.begin(), keys_.end());
        }
    };
    // The table's own abbreviations and names first, in slot order.
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        const TaxRate &rate = table[slot];
        if (rate.surcharge || rate.abbreviation.empty())
            continue;
        add(rate.abbreviation, slot);
        add(rate.name, slot);
    }
    // Then the names and codes the table does not spell as exports do.
    twoLetters_.assign(26 * 26, -1);
    for (const KnownName &known : kKnownNames) {
        for (const char *code : known.codes) {
            if (!code)
                continue;
            Key(code, key);
            const int slot = findKey(key);
            if (slot >= 0) {
                add(known.name, slot);
                break;
            }
        }
    }
    for (const auto &[k, slot] : keys_) {
        if (k.size() == 2 && k[0] >= 'A' && k[0] <= 'Z' && k[1] >= 'A' && k[1] <= 'Z')
            twoLetters_[static_cast<size_t>((k[0] - 'A') * 26 + (k[1] - 'A'))] =
                static_cast<int8_t>(slot);
    }
}

int JurisdictionMatcher::findKey(const std::string &key) const
{
    const auto at =
        std::lower_bound(keys_.begin(), keys_.end(), key,
                         [](const auto &entry, const std::string &k) { return entry.first < k; });
    return at != keys_.end() && at->first == key ? at->second : -1;
}

int JurisdictionMatcher::find(std::string_view text) const
{
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    if (text.size() == 2) {
        const char a = upper(text[0]), b = upper(text[1]);
        if (a >= 'A' && a <= 'Z' && b >= 'A' && b <= 'Z')
            return twoLetters_[static_cast<size_t>((a - 'A') * 26 + (b - 'A'))];
    }
    Key(text, scratch_);
    return findKey(scratch_);
}
