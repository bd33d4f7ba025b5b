// The tax-rate table's use cases: which default file is read, what a failed load leaves,
// and when changed rates are offered for saving.

#include "sessiontest.h"

#include "formats/taxfile.h"
#include "platform/pathnames.h"

#include <fstream>

using namespace sessiontest;

namespace {

// The report fixture's table (Quebec, Ontario, Kentucky and its surcharge, Maine) as a
// written file of all 72 slots reads back.
TaxRateTable FixtureTable()
{
    TaxRateTable table;
    TaxPeriod period;
    EXPECT_TRUE(ReadTaxFile(fixture("report/rates.itx"), table, period).ok());
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot)
        table[slot].slot = slot;
    return table;
}

// A table that differs from every file of these tests.
TaxRateTable MarkedTable()
{
    TaxRateTable table;
    table[0].name = "Old";
    table[0].abbreviation = "OL";
    table[0].dieselRate = TenThousandths{5000};
    return table;
}

// Rates changed since they were loaded, with an undo step.
void EditRates(LoadedTaxTable &rates)
{
    rates.takeSnapshot();
    rates.table()[0].dieselRate = TenThousandths{7500};
    rates.setModified();
}

} // namespace

TEST(DefaultTaxFileTest, SettingFirstElseIftaItxInTheCurrentDirectory)
{
    TempDir folder;
    const TaxRateTable table = FixtureTable();
    ASSERT_TRUE(WriteTaxFile(folder.file("ifta.itx"), table, TaxPeriod{2026, 2, "Canada"}).ok());
    ASSERT_TRUE(WriteTaxFile(folder.file("other.itx"), table, TaxPeriod{2025, 4, "US"}).ok());

    // No setting: ifta.itx of the current directory, remembered as the default. A table
    // read has no undo and counts as unchanged.
    LoadedTaxTable rates;
    EditRates(rates);
    DefaultTaxFileLoad load = LoadDefaultTaxFile("", folder.path(), rates);
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(load.path, folder.file("ifta.itx"));
    EXPECT_TRUE(load.rememberPath);
    EXPECT_EQ(rates.table(), table);
    EXPECT_EQ(rates.period().year, 2026);
    EXPECT_FALSE(rates.undo().canUndo());
    EXPECT_FALSE(rates.isModified());

    // A setting wins and is not stored again.
    load = LoadDefaultTaxFile(folder.file("other.itx"), folder.path(), rates);
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(load.path, folder.file("other.itx"));
    EXPECT_FALSE(load.rememberPath);
    EXPECT_EQ(rates.period(), (TaxPeriod{2025, 4, "US"}));

    // The session looks in the process's own current directory and remembers what it
    // found there.
    LoadedTaxTable fresh;
    ScriptedPrompts prompts;
    MemorySettings settings;
    CTaxSession tax(fresh, prompts, settings);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const bool loaded = tax.loadDefaultTaxFile();
    std::filesystem::current_path(before);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(std::filesystem::path(settings.taxFile).filename(), "ifta.itx");
    EXPECT_EQ(fresh.period().year, 2026);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(DefaultTaxFileTest, MissingFileFailsQuietlyAndARefusedFileCountsAsDone)
{
    TempDir folder;
    LoadedTaxTable rates;
    rates.table() = MarkedTable();
    rates.setPeriod(TaxPeriod{2005, 1, "Canada"});
    DefaultTaxFileLoad load = LoadDefaultTaxFile("", folder.path(), rates);
    EXPECT_FALSE(load.ok);
    EXPECT_FALSE(load.rememberPath);
    EXPECT_EQ(load.read.message, "");
    EXPECT_EQ(rates.table(), MarkedTable());

    load = LoadDefaultTaxFile("", "", rates); // no current directory known
    EXPECT_FALSE(load.ok);

    std::ofstream(folder.file("ifta.itx")) << "not a tax file\n";
    load = LoadDefaultTaxFile("", folder.path(), rates);
    EXPECT_TRUE(load.ok);
    EXPECT_TRUE(load.rememberPath);
    EXPECT_EQ(load.read.status, Result::Status::BadFormat);
    EXPECT_EQ(load.read.message, "Wrong file format. Tax not loaded.");
    EXPECT_EQ(rates.table(), MarkedTable());
    EXPECT_EQ(rates.period(), (TaxPeriod{2005, 1, "Canada"}));
}

TEST(TaxSessionTest, LoadTaxRatesRemembersOnlyAFileItCouldOpen)
{
    struct Case {
        const char *name;
        const char *text; // null: no such file
        bool read;
        bool remembered;
        bool tableReplaced;
        bool noted = false; // read, with a note shown
    };
    std::string longer = "#TAXHEAD#\t2026\t3\tUS\t\n";
    for (int line = 0; line < 73; ++line)
        longer += "Maine\tME\t0.3120\t0.3010\t0\t\n";
    const Case cases[] = {
        {"missing", nullptr, false, false, false},
        {"wrong format", "Quebec\tQC\t0.2020\t0.1920\t0\t\n", false, true, false},
        {"tax file", "#TAXHEAD#\t2026\t3\tUS\t\nMaine\tME\t0.3120\t0.3010\t0\t\n", true, true,
         true},
        {"73 slot lines", longer.c_str(), true, true, true, true},
    };
    for (const Case &c : cases) {
        TempDir folder;
        const std::string path = folder.file("chosen.itx");
        if (c.text)
            std::ofstream(path, std::ios::binary) << c.text;
        LoadedTaxTable rates;
        rates.table() = MarkedTable();
        ScriptedPrompts prompts;
        MemorySettings settings;
        settings.taxFile = "/remembered/ifta.itx";
        CTaxSession tax(rates, prompts, settings);
        prompts.files = {path};

        EXPECT_EQ(tax.loadTaxRates(), c.read) << c.name;
        EXPECT_EQ(settings.taxFile, c.remembered ? path : "/remembered/ifta.itx") << c.name;
        EXPECT_EQ(rates.table() != MarkedTable(), c.tableReplaced) << c.name;
        // Only a file that was read whole says nothing.
        EXPECT_EQ(prompts.shown.size(), c.read && !c.noted ? 0u : 1u) << c.name;
        if (c.noted && !prompts.shown.empty()) {
            EXPECT_EQ(prompts.shown[0], kExtraSlotLines);
        }
        if (!c.text && !prompts.shown.empty()) {
            EXPECT_NE(prompts.shown[0].find("chosen.itx"), std::string::npos);
        }
    }
}

TEST(TaxSessionTest, ChangedRatesAreOfferedOnlyBeforeAReadableReplacement)
{
    TempDir folder;
    const std::string readable = folder.file("next.itx");
    ASSERT_TRUE(WriteTaxFile(readable, FixtureTable(), TaxPeriod{2026, 2, "Canada"}).ok());
    struct Case {
        bool modified;
        std::string replacement;
        bool asked;
    } const cases[] = {
        {true, readable, true},
        {false, readable, false},
        {true, folder.file("missing.itx"), false},
        {true, folder.path(), false}, // a folder is no file to read
        {true, "", false},
    };
    for (const Case &c : cases) {
        LoadedTaxTable rates;
        if (c.modified)
            EditRates(rates);
        ScriptedPrompts prompts;
        MemorySettings settings;
        CTaxSession tax(rates, prompts, settings);
        tax.offerToSaveModifiedTax(c.replacement); // answered No
        EXPECT_EQ(prompts.shown,
                  c.asked ? std::vector<std::string>{kSaveModifiedTax} : std::vector<std::string>{})
            << c.modified << " " << c.replacement;
    }
}
