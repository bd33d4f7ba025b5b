// The type-ahead of the jurisdiction boxes: what a typed beginning offers, first choice
// first, case, accents and blanks ignored; an unknown text offers nothing.

#include "imports/jurisdictioncompletion.h"

#include <gtest/gtest.h>

namespace {

TaxRateTable Table()
{
    const char *rows[][2] = {{"Alberta", "AB"},
                             {"Kentucky", "KY"},
                             {"KY Surcharge", "KYS"},
                             {"New Brunswick", "NB"},
                             {"Nebraska", "NE"},
                             {"Ontario", "ON"},
                             {"Qu\xe9"
                              "bec",
                              "QC"},
                             {"New York", "NY"}};
    TaxRateTable table;
    for (int i = 0; i < 8; ++i) {
        table[i].name = rows[i][0];
        table[i].abbreviation = rows[i][1];
        table[i].slot = i;
    }
    table[2].surcharge = 1;
    return table;
}

TEST(JurisdictionCompletion, OffersByAbbreviationThenByName)
{
    const TaxRateTable table = Table();
    const struct {
        const char *typed;
        std::vector<std::string> offered; // abbreviations, in order
    } cases[] = {
        {"ont", {"ON"}},
        {"new b", {"NB"}},
        {"  NEW   b ", {"NB"}},
        {"ne", {"NE", "NB", "NY"}}, // the abbreviation itself first, then names
        {"n", {"NB", "NE", "NY"}},
        {"ky", {"KY", "KYS"}},
        {"que", {"QC"}},
        {"QU\xc9", {"QC"}}, // accents ignored
        {"kys", {"KYS"}},
        {"zz", {}},
        {"", {}},
    };
    for (const auto &c : cases) {
        std::vector<std::string> offered;
        for (const JurisdictionChoice &choice : CompleteJurisdiction(table, c.typed))
            offered.push_back(choice.abbreviation);
        EXPECT_EQ(offered, c.offered) << c.typed;
        EXPECT_EQ(SettleJurisdiction(table, c.typed), c.offered.empty() ? "" : c.offered.front())
            << c.typed;
    }
}

TEST(JurisdictionCompletion, WithoutATableOffersTheBuiltInNames)
{
    const std::vector<JurisdictionChoice> offered = CompleteJurisdiction(TaxRateTable(), "onta");
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].abbreviation, "Ontario");
}

} // namespace
