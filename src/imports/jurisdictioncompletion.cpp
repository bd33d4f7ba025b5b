#include "imports/jurisdictioncompletion.h"

#include "imports/jurisdictionmatch.h"
#include "records/builtinjurisdictions.h"
#include "records/taxlist.h"

namespace {

bool BeginsWith(const std::string &text, const std::string &start)
{
    return text.compare(0, start.size(), start) == 0;
}

// Every jurisdiction the box may name, in slot order (the list's order without a table).
std::vector<JurisdictionChoice> AllChoices(const TaxRateTable &table)
{
    std::vector<JurisdictionChoice> all;
    if (!IsTaxTableLoaded(table)) {
        for (const std::string &name : BuiltInJurisdictionNames())
            all.push_back(JurisdictionChoice{name, name});
        return all;
    }
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        if (!table[slot].abbreviation.empty())
            all.push_back(JurisdictionChoice{table[slot].abbreviation, table[slot].name});
    }
    return all;
}

} // namespace

std::vector<JurisdictionChoice> CompleteJurisdiction(const TaxRateTable &table,
                                                     std::string_view typed)
{
    std::string key;
    JurisdictionKey(typed, key);
    std::vector<JurisdictionChoice> exact, byAbbreviation, byName;
    if (key.empty())
        return exact;
    std::string abbreviation, name;
    for (JurisdictionChoice &choice : AllChoices(table)) {
        JurisdictionKey(choice.abbreviation, abbreviation);
        JurisdictionKey(choice.name, name);
        if (abbreviation == key)
            exact.push_back(std::move(choice));
        else if (BeginsWith(abbreviation, key))
            byAbbreviation.push_back(std::move(choice));
        else if (BeginsWith(name, key))
            byName.push_back(std::move(choice));
    }
    exact.insert(exact.end(), byAbbreviation.begin(), byAbbreviation.end());
    exact.insert(exact.end(), byName.begin(), byName.end());
    return exact;
}

std::string SettleJurisdiction(const TaxRateTable &table, std::string_view typed)
{
    const std::vector<JurisdictionChoice> choices = CompleteJurisdiction(table, typed);
    return choices.empty() ? std::string() : choices.front().abbreviation;
}
