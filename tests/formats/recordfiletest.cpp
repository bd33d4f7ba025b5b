// Record files: the bytes of both header layouts, the trip-line text, the reading rules
// for damaged and foreign files, and round trips through the disk.

#include "records/recordtesthelpers.h"

#include "formats/recordfile.h"
#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"
#include "platform/pathnames.h"
#include "records/ciftadoc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>

using namespace recordtest;

namespace {

// A header image put together field by field from the layout tables, independently of
// the program's writer.
class HeaderBytes
{
public:
    explicit HeaderBytes(size_t size) : bytes_(size, '\0') {}

    HeaderBytes &u32(size_t offset, uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            bytes_[offset + i] = static_cast<char>(value >> (8 * i));
        return *this;
    }
    HeaderBytes &u16(size_t offset, uint16_t value)
    {
        bytes_[offset] = static_cast<char>(value);
        bytes_[offset + 1] = static_cast<char>(value >> 8);
        return *this;
    }
    HeaderBytes &date(size_t offset, uint16_t y, uint16_t m, uint16_t d)
    {
        return u16(offset, y).u16(offset + 2, m).u16(offset + 4, d);
    }
    // Copies the text without a terminator: the zero comes from the bytes around it, or
    // is missing when the text fills the whole field.
    HeaderBytes &text(size_t offset, const std::string &value)
    {
        bytes_.replace(offset, value.size(), value);
        return *this;
    }
    std::string str() const { return bytes_; }

private:
    std::string bytes_;
};

// The company of the hand-made fixture: every text differs, so a field read from the
// wrong offset shows at once. "Gasp\xe9" is Windows-1252 for Gaspé.
CompanyInfo HandCompany()
{
    CompanyInfo c;
    c.companyName = "Hand Made Haulage";
    c.address = "99 Rue du Port";
    c.city = "Gasp\xe9";
    c.provinceState = "QC";
    c.country = "Canada";
    c.postalCode = "G4X 1A1";
    c.phone = "418-555-0199";
    c.iftaNumber = "CA-12345";
    c.notes = "Notes\r\nSecond line";
    c.startOdometer = 98765;
    c.periodFrom = PeriodDate{2026, 4, 1};
    c.periodTo = PeriodDate{2026, 6, 30};
    c.setFuelCode(FuelCodeGasoline);
    return c;
}

// The current header of HandCompany for 2026 Q2, byte by byte.
std::string HandCurrentHeader()
{
    HeaderBytes h(508);
    h.u32(0, 61475)
        // 4..7 reserved: written as zeros.
        .date(8, 2026, 4, 1)
        .date(14, 2026, 6, 30)
        .text(20, "Hand Made Haulage")
        .text(68, "99 Rue du Port")
        .text(116, "Gasp\xe9")
        .text(140, "QC")
        .text(164, "Canada")
        .text(188, "G4X 1A1")
        .text(196, "418-555-0199")
        .text(216, "CA-12345")
        .u32(240, 98765)
        .u32(244, 2026)
        .u32(248, 2)
        .u32(252, 2) // fuel-type code: gasoline
        // 256..263 reserved, 264..267 the zero word, 268..379 reserved.
        .text(380, "Notes\r\nSecond line");
    return h.str();
}

// The older header of the same carrier: no reserved word and no fuel code, so every
// field sits 4 bytes earlier, and the notes field is 84 bytes at 248.
std::string HandOlderHeader()
{
    HeaderBytes h(332);
    h.u32(0, 61474)
        .date(4, 2005, 1, 1)
        .date(10, 2005, 3, 31)
        .text(16, "Older Carrier Ltd")
        .text(64, "12 Main St")
        .text(112, "Qu\xe9"
                   "bec")
        .text(136, "QC")
        .text(160, "Canada")
        .text(184, "G1K 3A9")
        .text(192, "418-555-0100")
        .text(212, "QC-998877")
        .u32(236, 150000)
        .u32(240, 2005)
        .u32(244, 1)
        .text(248, "Line one\r\nLine two");
    return h.str();
}

const char kHandLines[] =
    "1,2026/04/03,,0,0,98765,99100,335,150.25,0.2020,0,0,\n"
    "2,2026/04/04,kept,1,0,99100,99300,124,2.67,0.1520,1,1,\n"
    // A distance beyond 2^31 is written as the signed number it reads back as.
    "3,2026/04/04,,2,1,99100,99300,-1294967296,0.00,0.0379,0,1,\n";

// A line in the order of its stored fields.
TripEntry HandEntry(int32_t trip, const char *date, const char *unit, int32_t slot, int64_t rate,
                    int32_t odometerIn, int32_t odometerOut, uint32_t distance, int64_t fuel,
                    int32_t miles, int32_t gallons, int32_t surcharge)
{
    TripEntry entry;
    entry.tripNumber = trip;
    entry.date = date;
    entry.reservedText = unit;
    entry.slot = slot;
    entry.rate = TenThousandths{rate};
    entry.odometerIn = odometerIn;
    entry.odometerOut = odometerOut;
    entry.distance = distance;
    entry.fuel = Hundredths{fuel};
    entry.distanceInMiles = miles;
    entry.fuelInGallons = gallons;
    entry.surcharge = surcharge;
    return entry;
}

std::vector<TripEntry> HandEntries()
{
    return {HandEntry(1, "2026/04/03", "", 0, 2020, 98765, 99100, 335, 15025, 0, 0, 0),
            HandEntry(2, "2026/04/04", "kept", 1, 1520, 99100, 99300, 124, 267, 1, 1, 0),
            HandEntry(3, "2026/04/04", "", 2, 379, 99100, 99300, 3000000000u, 0, 1, 0, 1)};
}

// The hand-made record: HandCompany for 2026 Q2 with the lines of kHandLines.
void SetUpHandDocument(CIftaDoc &doc)
{
    doc.setCompany(HandCompany());
    doc.setRecordPeriod(TaxPeriod{2026, 2, "Canada"});
    doc.replaceEntries(HandEntries());
}

// A document that already holds a file, so a reading that fails must visibly clear it.
void FillWithOtherFile(CIftaDoc &doc)
{
    RecordHeader header;
    header.company = HandCompany();
    header.fuelCode = header.company.fuelCode();
    header.year = 2026;
    header.quarter = 2;
    doc.load(header, HandEntries(), "/elsewhere/old.irc");
    doc.setModified(true);
}

} // namespace

TEST(RecordFileBytesTest, CurrentLayoutIsWrittenByteForByte)
{
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    SetUpHandDocument(doc);
    const std::string expected = HandCurrentHeader() + kHandLines;
    const std::string written = BuildRecordBytes(doc);
    ASSERT_EQ(written.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(written[i], expected[i]) << "first difference at byte " << i;
}

TEST(RecordFileBytesTest, CurrentLayoutReadsEveryField)
{
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    FillWithOtherFile(doc);
    const std::string bytes = HandCurrentHeader() + kHandLines;
    uint32_t layout = 0;
    ASSERT_TRUE(ReadRecordBytes(doc, bytes, "/data/hand.irc", &layout).ok());
    EXPECT_EQ(layout, kCurrentRecordLayout);
    EXPECT_EQ(doc.sourcePath(), FullPath("/data/hand.irc")); // "Z:\\data\\hand.irc" on Windows
    EXPECT_FALSE(doc.isModified());

    CompanyInfo expected = HandCompany();
    const CompanyInfo &c = doc.company();
    EXPECT_EQ(c.companyName, expected.companyName);
    EXPECT_EQ(c.address, expected.address);
    EXPECT_EQ(c.city, expected.city);
    EXPECT_EQ(c.provinceState, expected.provinceState);
    EXPECT_EQ(c.country, expected.country);
    EXPECT_EQ(c.postalCode, expected.postalCode);
    EXPECT_EQ(c.phone, expected.phone);
    EXPECT_EQ(c.iftaNumber, expected.iftaNumber);
    EXPECT_EQ(c.notes, expected.notes);
    EXPECT_EQ(c.startOdometer, 98765);
    EXPECT_EQ(c.periodFrom, expected.periodFrom);
    EXPECT_EQ(c.periodTo, expected.periodTo);
    EXPECT_EQ(c.diesel, 0);
    EXPECT_EQ(c.gasoline, 1);
    EXPECT_EQ(doc.recordPeriod().year, 2026);
    EXPECT_EQ(doc.recordPeriod().quarter, 2);

    ASSERT_EQ(doc.entries().size(), 3u);
    const TripEntry &second = doc.entries()[1];
    EXPECT_EQ(second.tripNumber, 2);
    EXPECT_EQ(second.reservedText, "kept");
    EXPECT_EQ(second.fuel, Hundredths{267});
    EXPECT_EQ(second.rate, TenThousandths{1520});
    EXPECT_EQ(second.fuelInGallons, 1);
    EXPECT_EQ(second.distanceInMiles, 1);
    EXPECT_EQ(doc.entries()[2].distance, 3000000000u);
    EXPECT_EQ(doc.entries()[2].surcharge, 1);
    EXPECT_EQ(doc.entries()[2].fuelInGallons, 0);
    EXPECT_EQ(doc.entries()[2].distanceInMiles, 1);
    // The odometer continues from the last line.
    EXPECT_EQ(doc.currentOdometer(), 99300);
    EXPECT_EQ(doc.company().useOdometer, 1);

    // Read and written again, the file is the same bytes.
    EXPECT_EQ(BuildRecordBytes(doc), bytes);
}

TEST(RecordFileBytesTest, FuelCodesMapToTheTwoFlags)
{
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    editCompany(doc, [](CompanyInfo &c) {
        c.diesel = 1;
        c.gasoline = 1; // diesel wins
    });
    EXPECT_EQ(BuildHeader(doc)[252], '\x01');
    editCompany(doc, [](CompanyInfo &c) {
        c.diesel = 0;
        c.gasoline = 0;
    });
    EXPECT_EQ(BuildHeader(doc)[252], '\xff');

    for (uint32_t code : {0u, 3u, 255u, 0x101u}) {
        CIftaDoc read(&rates);
        HeaderBytes h(508);
        h.u32(0, 61475).u32(252, code);
        ASSERT_TRUE(ReadRecordBytes(read, h.str(), "x.irc").ok());
        EXPECT_EQ(read.company().diesel, 0) << code;
        EXPECT_EQ(read.company().gasoline, 0) << code;
    }
}

TEST(RecordFileOlderLayoutTest, ReadsKeepsTheFuelTypeAndWritesBackCurrent)
{
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    // The previous document was a gasoline one; the older layout carries no fuel type.
    editCompany(doc, [](CompanyInfo &c) { c.setFuelCode(FuelCodeGasoline); });
    const std::string lines = "1,2005/01/10,,1,0,150000,150320,320,210.50,0.1520,0,0,\n";
    uint32_t layout = 0;
    ASSERT_TRUE(ReadRecordBytes(doc, HandOlderHeader() + lines, "old.irc", &layout).ok());
    EXPECT_EQ(layout, kOlderRecordLayout);
    EXPECT_EQ(doc.company().companyName, "Older Carrier Ltd");
    EXPECT_EQ(doc.company().city, "Qu\xe9"
                                  "bec");
    EXPECT_EQ(doc.company().iftaNumber, "QC-998877");
    EXPECT_EQ(doc.company().notes, "Line one\r\nLine two");
    EXPECT_EQ(doc.company().startOdometer, 150000);
    EXPECT_EQ(doc.company().periodTo, (PeriodDate{2005, 3, 31}));
    EXPECT_EQ(doc.recordPeriod().year, 2005);
    EXPECT_EQ(doc.recordPeriod().quarter, 1);
    EXPECT_EQ(doc.company().diesel, 0);
    EXPECT_EQ(doc.company().gasoline, 1);
    ASSERT_EQ(doc.entries().size(), 1u);
    EXPECT_EQ(doc.entries()[0].odometerOut, 150320);

    // Written back: current layout, same fields, same line.
    const std::string written = BuildRecordBytes(doc);
    ASSERT_EQ(written.size(), 508 + lines.size());
    EXPECT_EQ(written.substr(508), lines);
    LoadedTaxTable otherRates;
    CIftaDoc again(&otherRates);
    ASSERT_TRUE(ReadRecordBytes(again, written, "new.irc", &layout).ok());
    EXPECT_EQ(layout, kCurrentRecordLayout);
    EXPECT_EQ(again.company().notes, doc.company().notes);
    EXPECT_EQ(again.company().gasoline, 1);
    EXPECT_EQ(again.entries(), doc.entries());
}

TEST(RecordFileOlderLayoutTest, HandMadeFixturesOfBothLayoutsRead)
{
    // The fixtures of tests/data/records were written byte by byte by make-fixtures.py.
    LoadedTaxTable rates;
    CIftaDoc older(&rates);
    uint32_t layout = 0;
    ASSERT_TRUE(ReadRecordFile(older, fixture("older-layout.irc"), &layout).ok());
    EXPECT_EQ(layout, kOlderRecordLayout);
    EXPECT_EQ(older.company().companyName, "Older Carrier Ltd");
    ASSERT_EQ(older.entries().size(), 3u);
    EXPECT_EQ(older.entries()[2].surcharge, 1);

    CIftaDoc current(&rates);
    ASSERT_TRUE(ReadRecordFile(current, fixture("current-layout.irc"), &layout).ok());
    EXPECT_EQ(layout, kCurrentRecordLayout);
    EXPECT_EQ(current.company().gasoline, 1);
    EXPECT_EQ(BuildRecordBytes(current), slurp(fixture("current-layout.irc")));
}

TEST(RecordFileHeaderTest, YearAbove2099OrQuarterAbove4ReadsAsZero)
{
    struct Case {
        uint32_t year, quarter;
        int32_t wantYear, wantQuarter;
    } cases[] = {
        {2099, 4, 2099, 4},        {2026, 0, 2026, 0},     {2100, 2, 0, 0},
        {2026, 5, 0, 0},           {0xFFFFFFFFu, 1, 0, 0}, // -1 compared unsigned is huge
        {2026, 0xFFFFFFFFu, 0, 0},
    };
    LoadedTaxTable rates;
    for (const Case &c : cases) {
        for (bool older : {false, true}) {
            HeaderBytes h(older ? 332 : 508);
            const size_t at = older ? 240 : 244;
            h.u32(0, older ? 61474 : 61475).u32(at, c.year).u32(at + 4, c.quarter);
            CIftaDoc doc(&rates);
            ASSERT_TRUE(ReadRecordBytes(doc, h.str(), "x.irc").ok());
            EXPECT_EQ(doc.recordPeriod().year, c.wantYear) << c.year << " " << c.quarter;
            EXPECT_EQ(doc.recordPeriod().quarter, c.wantQuarter) << c.year << " " << c.quarter;
        }
    }
}

TEST(RecordFileHeaderTest, UnknownOrShortHeadersAreRefusedAndClearTheDocument)
{
    const std::string current = HandCurrentHeader();
    const std::string older = HandOlderHeader();
    const std::string refused[] = {
        "",
        std::string("\x23\xf0\x00", 3), // not even the layout value
        current.substr(0, 4),           // value only
        current.substr(0, 507),         // one byte short
        current.substr(0, 400),         // long enough for the older, not this
        older.substr(0, 331),
        std::string("\x24\xf0\x00\x00", 4) + current.substr(4), // unknown value 61476
        "1,2026/04/03,,0,0,0,0,10,1.00,0.1000,0,0,\n",          // lines without any header
    };
    LoadedTaxTable rates;
    for (const std::string &bytes : refused) {
        CIftaDoc doc(&rates);
        FillWithOtherFile(doc);
        const TaxPeriod period = doc.recordPeriod();
        uint32_t layout = 7;
        const Result read = ReadRecordBytes(doc, bytes, "bad.irc", &layout);
        EXPECT_EQ(read.status, Result::Status::BadFormat) << bytes.size();
        EXPECT_EQ(read.message, "Incompatible file format");
        EXPECT_EQ(layout, 7u);
        EXPECT_TRUE(doc.entries().empty());
        EXPECT_TRUE(doc.sourcePath().empty());
        EXPECT_FALSE(doc.isModified());
        EXPECT_EQ(doc.company().companyName, "");
        EXPECT_EQ(doc.company().country, "");
        EXPECT_EQ(doc.company().provinceState, "");
        EXPECT_EQ(doc.company().notes, "");
        EXPECT_EQ(doc.company().startOdometer, 0);
        EXPECT_EQ(doc.currentOdometer(), 0);
        EXPECT_EQ(doc.company().periodFrom, PeriodDate{});
        EXPECT_EQ(doc.company().periodTo, PeriodDate{});
        EXPECT_EQ(doc.recordPeriod(), period);
    }

    // Exactly the header's length is enough: a file of only a header.
    CIftaDoc doc(&rates);
    EXPECT_TRUE(ReadRecordBytes(doc, older, "only.irc").ok());
}

TEST(RecordFileHeaderTest, TextsWithoutTerminatorStopAtTheirFieldWidth)
{
    // Every text field filled to the last byte: no zero anywhere in 20..379.
    HeaderBytes h(508);
    h.u32(0, 61475)
        .text(20, std::string(48, 'N'))
        .text(68, std::string(48, 'A'))
        .text(116, std::string(24, 'C'))
        .text(140, std::string(24, 'P'))
        .text(164, std::string(24, 'K'))
        .text(188, std::string(8, 'Z'))
        .text(196, std::string(20, 'T'))
        .text(216, std::string(24, 'I'))
        .text(380, std::string(128, 'x'));
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    ASSERT_TRUE(ReadRecordBytes(doc, h.str(), "full.irc").ok());
    EXPECT_EQ(doc.company().companyName, std::string(48, 'N'));
    EXPECT_EQ(doc.company().address, std::string(48, 'A'));
    EXPECT_EQ(doc.company().country, std::string(24, 'K'));
    EXPECT_EQ(doc.company().postalCode, std::string(8, 'Z'));
    EXPECT_EQ(doc.company().iftaNumber, std::string(24, 'I'));
    // The notes field is the last of the header: it must not run into the lines.
    EXPECT_EQ(doc.company().notes, std::string(128, 'x'));
    EXPECT_TRUE(doc.entries().empty());

    // Written back, each text is cut to its width minus one for the terminator.
    const std::string written = BuildHeader(doc);
    EXPECT_EQ(written.substr(20, 48), std::string(47, 'N') + '\0');
    EXPECT_EQ(written.substr(188, 8), std::string(7, 'Z') + '\0');
    EXPECT_EQ(written.substr(380, 128), std::string(127, 'x') + '\0');
}

TEST(RecordFileHeaderTest, OverLongTextsAreCutToWidthMinusOne)
{
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    editCompany(doc, [](CompanyInfo &c) {
        c.companyName = std::string(60, 'n');
        c.city = std::string(23, 'c'); // fits exactly
        c.phone = std::string(21, 'p');
        c.notes = std::string(300, 'o');
    });
    const std::string header = BuildHeader(doc);
    ASSERT_EQ(header.size(), 508u);
    EXPECT_EQ(header.substr(20, 48), std::string(47, 'n') + '\0');
    EXPECT_EQ(header.substr(68, 1), std::string(1, '\0')); // the address is untouched
    EXPECT_EQ(header.substr(116, 24), std::string(23, 'c') + '\0');
    EXPECT_EQ(header.substr(196, 20), std::string(19, 'p') + '\0');
    EXPECT_EQ(header.substr(380), std::string(127, 'o') + '\0');

    CIftaDoc read(&rates);
    ASSERT_TRUE(ReadRecordBytes(read, header, "cut.irc").ok());
    EXPECT_EQ(read.company().companyName, std::string(47, 'n'));
    EXPECT_EQ(read.company().notes, std::string(127, 'o'));
}

TEST(RecordFileLinesTest, DamagedLinesGiveZerosNotCrashes)
{
    const std::string header = HandCurrentHeader();
    const std::string text =
        "\n"                                         // an empty line is a line of zeros
        "12345\n"                                    // no comma at all: the rest is the trip number
        "abc,def\n"                                  // not a number: 0; the date takes what follows
        "7,2026/05/01,,4\n"                          // runs out of fields: the rest stay 0
        " +8, d,r, 9x,1,-5,  6,7,1.5e1,.25,1,0\n"    // atoi/atof rules: blanks, signs, stops
        "9,,,,,,,,,,,,,,,,,\n"                       // more commas than fields: ignored
        "10,2026/05/02,,3,0,0,0,5,1.00,0.1000,0,0,"; // no line feed at the end
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    ASSERT_TRUE(ReadRecordBytes(doc, header + text, "damaged.irc").ok());
    ASSERT_EQ(doc.entries().size(), 7u);

    EXPECT_EQ(doc.entries()[0], TripEntry{});
    EXPECT_EQ(doc.entries()[1].tripNumber, 12345);
    EXPECT_EQ(doc.entries()[1].date, "");
    EXPECT_EQ(doc.entries()[2].tripNumber, 0);
    EXPECT_EQ(doc.entries()[2].date, "def");
    EXPECT_EQ(doc.entries()[3].slot, 4);
    EXPECT_EQ(doc.entries()[3].distance, 0u);

    const TripEntry &rules = doc.entries()[4];
    EXPECT_EQ(rules.tripNumber, 8);
    EXPECT_EQ(rules.date, " d"); // texts are kept as they are
    EXPECT_EQ(rules.reservedText, "r");
    EXPECT_EQ(rules.slot, 9);
    EXPECT_EQ(rules.surcharge, 1);
    EXPECT_EQ(rules.odometerIn, -5);
    EXPECT_EQ(rules.odometerOut, 6);
    EXPECT_EQ(rules.distance, 7u);
    EXPECT_EQ(rules.fuel, Hundredths{1500});
    EXPECT_EQ(rules.rate, TenThousandths{2500});
    EXPECT_EQ(rules.fuelInGallons, 1);
    EXPECT_EQ(rules.distanceInMiles, 0);

    EXPECT_EQ(doc.entries()[5].tripNumber, 9);
    EXPECT_EQ(doc.entries()[6].tripNumber, 10);
    EXPECT_EQ(doc.entries()[6].distance, 5u);
    // The last line read sets the odometer state: odometer out 0 turns it off.
    EXPECT_EQ(doc.currentOdometer(), 0);
    EXPECT_EQ(doc.company().useOdometer, 0);
}

// A rate outside 0 to 10 ("1e400", which saturated and was written back) refuses the
// file, naming the trip line.
TEST(RecordFileLinesTest, ARateOutsideZeroToTenRefusesTheFile)
{
    for (const char *rate : {"1e400", "10.0001", "-0.0001"}) {
        LoadedTaxTable rates;
        CIftaDoc doc(&rates);
        const std::string lines =
            std::string("1,,,0,0,0,0,5,1,0.2,0,0,\n2,,,0,0,0,0,5,1,") + rate + ",0,0,\n";
        const Result read = ReadRecordBytes(doc, HandCurrentHeader() + lines, "rate.irc");
        EXPECT_EQ(read.status, Result::Status::BadFormat) << rate;
        EXPECT_EQ(read.message,
                  "The tax rate of trip line 2 is not between 0 and 10. The file is not opened.");
        EXPECT_TRUE(doc.entries().empty());
    }
}

TEST(RecordFileLinesTest, HugeNumbersSaturate)
{
    const std::string lines = "99999999999,,,-99999999999,0,2147483648,0,4294967296,"
                              "1e39,0.2,0,0,\n" +
                              std::string(20000, '9') + "," + std::string(20000, '7') + "\n" +
                              "1,,,0,0,0,0,0,-1e39," + "0." + std::string(5000, '1') + ",0,0,\n";
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    ASSERT_TRUE(ReadRecordBytes(doc, HandCurrentHeader() + lines, "huge.irc").ok());
    ASSERT_EQ(doc.entries().size(), 3u);
    const TripEntry &huge = doc.entries()[0];
    EXPECT_EQ(huge.tripNumber, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(huge.slot, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(huge.odometerIn, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(huge.distance, 0x7FFFFFFFu);
    // Amounts stop at the limit that keeps a million lines' sums exact.
    EXPECT_EQ(huge.fuel, Hundredths{kDecimalLimit});
    EXPECT_EQ(doc.entries()[1].tripNumber, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(doc.entries()[1].date, std::string(20000, '7'));
    EXPECT_EQ(doc.entries()[2].fuel, Hundredths{-kDecimalLimit});
    EXPECT_EQ(doc.entries()[2].rate, TenThousandths{1111});

    // Such lines write back as texts that read back the same.
    CIftaDoc again(&rates);
    ASSERT_TRUE(ReadRecordBytes(again, BuildRecordBytes(doc), "again.irc").ok());
    EXPECT_EQ(again.entries()[0].tripNumber, huge.tripNumber);
    EXPECT_EQ(again.entries()[0].fuel, huge.fuel);
    EXPECT_EQ(again.entries()[2].fuel, doc.entries()[2].fuel);
}

TEST(RecordFileLinesTest, CarriageReturnsEndLinesWithoutLosingCharacters)
{
    const std::string a = "1,2026/04/01,,0,0,0,0,10,1.00,0.1000,0,0,";
    const std::string b = "2,2026/04/02,,1,0,0,0,20,2.00,0.2000,0,0,";
    LoadedTaxTable rates;
    struct Case {
        const char *name;
        std::string text;
        size_t lines;
    } cases[] = {
        {"LF", a + "\n" + b + "\n", 2},
        {"CR LF", a + "\r\n" + b + "\r\n", 2},
        // A bare carriage return: the next line starts right after it, so the "2" of
        // the second trip number is not swallowed.
        {"CR only", a + "\r" + b + "\r", 2},
        {"CR at the very end", a + "\n" + b + "\r", 2},
        // CR LF then LF: the second line feed ends an empty line, a line of zeros.
        {"CR LF LF", a + "\r\n\n" + b, 3},
    };
    for (const Case &c : cases) {
        CIftaDoc doc(&rates);
        ASSERT_TRUE(ReadRecordBytes(doc, HandCurrentHeader() + c.text, "cr.irc").ok());
        ASSERT_EQ(doc.entries().size(), c.lines) << c.name;
        EXPECT_EQ(doc.entries().front().tripNumber, 1) << c.name;
        EXPECT_EQ(doc.entries().back().tripNumber, 2) << c.name;
        EXPECT_EQ(doc.entries().back().distance, 20u) << c.name;
        EXPECT_EQ(doc.entries().back().distanceInMiles, 0) << c.name;
    }
}

TEST(RecordFileLinesTest, DelimitersInsideTextsCannotShiftFields)
{
    TripEntry entry;
    entry.tripNumber = 4;
    entry.date = "2026/04/01,x";
    entry.reservedText = "a\nb\rc";
    entry.slot = 9;
    entry.distance = 12;
    EXPECT_EQ(FormatTripLine(entry), "4,2026/04/01 x,a b c,9,0,0,0,12,0.00,0.0000,0,0,\n");
}

TEST(RecordFileLinesTest, HeaderOnlyFileContinuesFromTheStartOdometer)
{
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    TripEntry earlier; // new lines would continue from 777
    earlier.odometerOut = 777;
    doc.addEntry(earlier);
    ASSERT_TRUE(ReadRecordBytes(doc, HandCurrentHeader(), "empty.irc").ok());
    EXPECT_TRUE(doc.entries().empty());
    EXPECT_EQ(doc.currentOdometer(), 98765);
    EXPECT_EQ(doc.company().useOdometer, 1);

    HeaderBytes zero(508);
    zero.u32(0, 61475);
    ASSERT_TRUE(ReadRecordBytes(doc, zero.str(), "zero.irc").ok());
    EXPECT_EQ(doc.currentOdometer(), 0);
    EXPECT_EQ(doc.company().useOdometer, 0);
}

TEST(RecordFileLinesTest, RandomBytesAfterAValidHeaderNeverBreakTheReader)
{
    std::mt19937 random(2026);
    const std::string alphabet = "0123456789,.-+eE \t\r\n\0x\xff";
    LoadedTaxTable rates;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = round % 2 ? HandCurrentHeader() : HandOlderHeader();
        const size_t length = random() % 400;
        for (size_t i = 0; i < length; ++i)
            bytes += round % 3 ? alphabet[random() % alphabet.size()]
                               : static_cast<char>(random() & 0xFF);
        CIftaDoc doc(&rates);
        ASSERT_TRUE(ReadRecordBytes(doc, bytes, "random.irc").ok());
        // Whatever was read writes back as lines that read back to the same entries.
        CIftaDoc again(&rates);
        ASSERT_TRUE(ReadRecordBytes(again, BuildRecordBytes(doc), "again.irc").ok());
        ASSERT_EQ(again.entries().size(), doc.entries().size());
    }
}

TEST(RecordFileRoundTripTest, EveryFieldSurvivesTheDisk)
{
    TempFolder folder;
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    SetUpHandDocument(doc);
    editCompany(doc, [](CompanyInfo &c) { c.useOdometer = 1; });
    TripEntry first = doc.entries()[0];
    first.fuel = Hundredths{12346};
    first.rate = TenThousandths{1235};
    doc.modifyEntry(0, first);
    doc.setModified(true);
    const std::string path = folder.file("round.irc");
    ASSERT_TRUE(WriteRecordFile(doc, path).ok());
    EXPECT_FALSE(doc.isModified());

    LoadedTaxTable otherRates;
    CIftaDoc read(&otherRates);
    ASSERT_TRUE(ReadRecordFile(read, path).ok());
    const CompanyInfo &a = doc.company();
    const CompanyInfo &b = read.company();
    EXPECT_EQ(b.companyName, a.companyName);
    EXPECT_EQ(b.address, a.address);
    EXPECT_EQ(b.city, a.city);
    EXPECT_EQ(b.provinceState, a.provinceState);
    EXPECT_EQ(b.country, a.country);
    EXPECT_EQ(b.postalCode, a.postalCode);
    EXPECT_EQ(b.phone, a.phone);
    EXPECT_EQ(b.iftaNumber, a.iftaNumber);
    EXPECT_EQ(b.notes, a.notes);
    EXPECT_EQ(b.startOdometer, a.startOdometer);
    EXPECT_EQ(b.periodFrom, a.periodFrom);
    EXPECT_EQ(b.periodTo, a.periodTo);
    EXPECT_EQ(b.diesel, a.diesel);
    EXPECT_EQ(b.gasoline, a.gasoline);
    EXPECT_EQ(read.recordPeriod().year, 2026);
    EXPECT_EQ(read.recordPeriod().quarter, 2);

    ASSERT_EQ(read.entries().size(), doc.entries().size());
    for (size_t i = 0; i < doc.entries().size(); ++i) {
        EXPECT_EQ(read.entries()[i], doc.entries()[i]) << "line " << i;
    }
    EXPECT_EQ(read.sourcePath(), path);
}

TEST(RecordFileRoundTripTest, AFileThatCannotBeOpenedLeavesTheDocumentAlone)
{
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    FillWithOtherFile(doc);
    const Result read = ReadRecordFile(doc, "/nonexistent/folder/none.irc");
    EXPECT_EQ(read.status, Result::Status::CannotOpen);
    EXPECT_NE(read.message.find("none.irc"), std::string::npos);
    EXPECT_EQ(doc.entries().size(), 3u);
    EXPECT_EQ(doc.company().companyName, "Hand Made Haulage");
    EXPECT_TRUE(doc.isModified());
}

// Hand-edited lines: "nan" and "inf" are no numbers and read as 0 (a report total once
// said "-nan").
TEST(RecordFileLinesTest, NonNumbersReadAsZero)
{
    const std::vector<TripEntry> lines =
        ParseTripLines("1,2026/04/02,,8,0,100,50,5,nan,inf,0,0,\n"
                       "2,2026/04/03,,8,0,100,150,7,-inf,NaN,0,0,\n",
                       0);
    ASSERT_EQ(lines.size(), 2u);
    for (const TripEntry &line : lines) {
        EXPECT_EQ(line.fuel, Hundredths{0});
        EXPECT_EQ(line.rate, TenThousandths{0});
    }
}
