// The compact trip line and its text form: texts kept in place or whole on the heap, the
// line parser against a plain field-by-field reading of the same bytes, any split of the
// bytes against the whole, and the line writer against printf.

#include "formats/recordfile.h"
#include "formats/triplineparser.h"
#include "numbers/decimaltext.h"
#include "numbers/shorttext.h"
#include "numbers/textnumber.h"
#include "records/ciftadoc.h"
#include "records/recordtesthelpers.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace recordtest;

TEST(ShortTextTest, EveryTextStaysWholeThroughCopiesMovesAndAssignments)
{
    // Both sides of the in-place room (11 bytes) and far beyond it.
    for (const size_t length : {0, 1, 10, 11, 12, 19, 20, 300}) {
        SCOPED_TRACE(length);
        std::string text;
        for (size_t i = 0; i < length; ++i)
            text += static_cast<char>('a' + i % 26);
        const ShortText<12> original(text);
        EXPECT_EQ(original.spilled(), length > 11);
        EXPECT_EQ(original.str(), text);

        ShortText<12> copy = original;
        ShortText<12> moved = std::move(copy);
        EXPECT_EQ(moved, original);
        EXPECT_TRUE(copy.empty()); // NOLINT: a moved-from text is empty, not dangling

        for (const char *other : {"", "2026/04/01", "a text longer than the room"}) {
            ShortText<12> assigned(other);
            assigned = original;
            EXPECT_EQ(assigned.view(), text);
            assigned = std::string_view(other);
            EXPECT_EQ(assigned.view(), other);
        }
        // A part of its own text, in place or on the heap.
        ShortText<12> self = original;
        self.assign(self.view().substr(length / 2));
        EXPECT_EQ(self.view(), text.substr(length / 2));
        self = self; // NOLINT: assigning itself keeps the text
        EXPECT_EQ(self.view(), text.substr(length / 2));
    }
    EXPECT_TRUE(ShortText<12>("2026/04/01") < ShortText<12>("2026/04/02"));
    EXPECT_EQ(ShortText<20>("T-1"), "T-1");
    EXPECT_NE(ShortText<20>("T-1"), std::string("T-10"));
}

// The fields of one line as a plain reading finds them: the line split at its commas,
// each number read by TextToInt or TextToDecimal over its own field.
TripEntry ReferenceLine(const std::string &line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
        fields.push_back(line.substr(start, comma - start));
    fields.push_back(line.substr(start));
    fields.resize(12);
    TripEntry e;
    e.tripNumber = TextToInt(fields[0]);
    e.date = fields[1];
    e.reservedText = fields[2];
    e.slot = TextToInt(fields[3]);
    e.surcharge = TextToInt(fields[4]);
    e.odometerIn = TextToInt(fields[5]);
    e.odometerOut = TextToInt(fields[6]);
    e.distance = static_cast<uint32_t>(TextToInt(fields[7]));
    e.fuel = TextToDecimal<2>(fields[8]);
    e.rate = TextToDecimal<4>(fields[9]);
    e.fuelInGallons = TextToInt(fields[10]);
    e.distanceInMiles = TextToInt(fields[11]);
    return e;
}

// A field as this program writes it, or as a hand or another program might.
std::string RandomField(std::mt19937 &random)
{
    static const char *const odd[] = {
        "",         "-",       "+5",          " 7",           "1e3",
        "12.5",     "-0.00",   "999999999",   "9999999999",   "-2147483649",
        "00000001", ".5",      "5.",          "1.2345",       "12.345",
        "x",        "12x",     "99999999.99", "999999999.99", "999999999.9999",
        "-12.3456", "0.00005", "1.5e-2",      "2026/04/01",   "a long unit name beyond the room"};
    switch (random() % 4) {
    case 0:
        return odd[random() % (sizeof odd / sizeof *odd)];
    case 1:
        return std::to_string(static_cast<int32_t>(random()) >> (random() % 31));
    default: {
        char text[48];
        const long long units = static_cast<long long>(random() % 2000000000) - 100000000;
        std::snprintf(text, sizeof text, random() % 2 ? "%lld.%02lld" : "%lld.%04lld", units / 100,
                      (units < 0 ? -units : units) % 100);
        return text;
    }
    }
}

std::string RandomLine(std::mt19937 &random)
{
    const int fields = random() % 10 == 0 ? static_cast<int>(random() % 14) : 12;
    std::string line;
    for (int i = 0; i < fields; ++i)
        line += RandomField(random) + (i + 1 < fields || random() % 2 ? "," : "");
    return line;
}

TEST(TripLineParserTest, FieldsReadAsAPlainFieldByFieldReadingReadsThem)
{
    std::mt19937 random(21);
    for (int i = 0; i < 20000; ++i) {
        const std::string line = RandomLine(random);
        EXPECT_EQ(TripLineParser::parseLine(line.data(), line.data() + line.size()),
                  ReferenceLine(line))
            << line;
        if (HasFailure())
            break;
    }
}

std::vector<TripEntry> ParseInPieces(const std::string &text, const std::vector<size_t> &cuts)
{
    std::vector<TripEntry> lines;
    TripLineParser parser(lines);
    size_t from = 0;
    for (size_t cut : cuts) {
        parser.feed(text.data() + from, cut - from);
        from = cut;
    }
    parser.feed(text.data() + from, text.size() - from);
    parser.finish();
    return lines;
}

TEST(TripLineParserTest, AnySplitOfTheBytesGivesTheLinesOfTheWhole)
{
    std::mt19937 random(2026);
    const char *const lineEnds[] = {"\n", "\r\n", "\r", "\n\n", "\r\r\n"};
    for (int round = 0; round < 400 && !HasFailure(); ++round) {
        std::string text;
        const int lines = static_cast<int>(random() % 30);
        for (int i = 0; i < lines; ++i)
            text += RandomLine(random) + lineEnds[random() % 5];
        if (random() % 3 == 0)
            text += RandomLine(random); // a last line without a line end
        const std::vector<TripEntry> whole = ParseTripLines(text, 0);

        std::vector<size_t> cuts;
        const size_t pieces = text.empty() ? 0 : random() % 12;
        for (size_t i = 0; i < pieces; ++i)
            cuts.push_back(random() % text.size());
        if (round % 10 == 0) // a byte at a time: every line end falls between pieces
            for (size_t at = 1; at < text.size(); ++at)
                cuts.push_back(at);
        std::sort(cuts.begin(), cuts.end());
        EXPECT_EQ(ParseInPieces(text, cuts), whole) << "round " << round;
    }
}

// The line as printf writes it: "%d" for the whole numbers, "%.2f" for fuel, "%1.4f" for
// the rate, for the same exact amounts.
std::string PrintfLine(const TripEntry &e)
{
    char line[256];
    std::snprintf(line, sizeof line, "%d,%s,%s,%d,%d,%d,%d,%d,%.2f,%1.4f,%d,%d,\n", e.tripNumber,
                  e.date.str().c_str(), e.reservedText.str().c_str(), e.slot, e.surcharge,
                  e.odometerIn, e.odometerOut, static_cast<int32_t>(e.distance),
                  static_cast<double>(e.fuel.units) / 100,
                  static_cast<double>(e.rate.units) / 10000, e.fuelInGallons, e.distanceInMiles);
    return line;
}

TEST(TripLineWriterTest, AMillionRandomAmountsAreWrittenAsPrintfWritesThem)
{
    // Amounts up to the limit of one line (10^12 units): a double then holds each one
    // close enough for printf to give its exact digits.
    std::mt19937_64 random(15);
    const auto amount = [&random]() {
        const int64_t magnitude =
            static_cast<int64_t>(random() % (kDecimalLimit + 1)) >> (random() % 40);
        return random() % 2 ? -magnitude : magnitude;
    };
    for (int i = 0; i < 500000; ++i) {
        TripEntry e;
        e.tripNumber = static_cast<int32_t>(random());
        e.date = i % 7 ? "2026/05/17" : "";
        e.reservedText = i % 3 ? "T-1000" : "";
        e.slot = static_cast<int32_t>(random() % 72);
        e.odometerIn = static_cast<int32_t>(random());
        e.odometerOut = static_cast<int32_t>(random() >> (random() % 32));
        e.distance = static_cast<uint32_t>(random());
        e.fuel = Hundredths{amount()};
        e.rate = TenThousandths{amount()};
        e.fuelInGallons = static_cast<int32_t>(random() % 3);
        e.distanceInMiles = static_cast<int32_t>(random() % 2);
        ASSERT_EQ(FormatTripLine(e), PrintfLine(e));
    }
}

// Lines that cross the blocks a file is read in, and texts too long to keep in place: the
// file written equals the bytes built, and reading it in blocks equals reading the bytes.
TEST(TripLineFileTest, BlocksReadAndWrittenGiveTheBytesOfTheWhole)
{
    TempFolder folder;
    LoadedTaxTable rates;
    CIftaDoc doc(&rates);
    std::mt19937 random(7);
    CIftaDoc::Entries entries(60000);
    for (size_t i = 0; i < entries.size(); ++i) {
        TripEntry &e = entries[i];
        e.tripNumber = static_cast<int32_t>(i + 1);
        e.date = i % 1000 == 0 ? std::string(300, 'd') : "2026/04/0" + std::to_string(i % 9 + 1);
        e.reservedText = i % 777 == 0 ? "a unit name long enough to be kept on the heap"
                                      : "T" + std::to_string(i % 13);
        e.fuel = Hundredths{static_cast<int64_t>(random() % 100000)};
        e.rate = TenThousandths{static_cast<int64_t>(random() % 20000)};
    }
    doc.replaceEntries(entries);
    const std::string path = folder.file("blocks.irc");
    ASSERT_TRUE(WriteRecordFile(doc, path).ok());
    const std::string bytes = BuildRecordBytes(doc);
    ASSERT_GT(bytes.size(), size_t{2} << 20); // many blocks of a read
    EXPECT_EQ(slurp(path), bytes);

    // The same lines with carriage returns too, which may fall at a block's end.
    std::string crlf;
    for (char c : bytes)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    spit(path, crlf);
    CIftaDoc streamed(&rates), whole(&rates);
    ASSERT_TRUE(ReadRecordFile(streamed, path).ok());
    ASSERT_TRUE(ReadRecordBytes(whole, crlf, path).ok());
    EXPECT_EQ(streamed.entries(), whole.entries());
    EXPECT_EQ(streamed.entries(), entries);

    // Handed on a block at a time, the last line without its line end too, and not kept.
    crlf.resize(crlf.size() - 2);
    spit(path, crlf);
    CIftaDoc handed(&rates);
    CIftaDoc::Entries blocks;
    size_t calls = 0;
    const auto take = [&](const RecordHeader &header, const CIftaDoc::Entries &lines) {
        EXPECT_EQ(header.company.companyName, doc.company().companyName);
        blocks.insert(blocks.end(), lines.begin(), lines.end());
        ++calls;
    };
    ASSERT_TRUE(ReadRecordFileInBlocks(handed, path, take).ok());
    EXPECT_GT(calls, 4u);
    EXPECT_EQ(blocks, entries);
    EXPECT_TRUE(handed.entries().empty());

    // A rate out of range far into the file refuses it, however the lines were read.
    crlf.replace(crlf.rfind(",0,0,") - 6, 6, "1e+308");
    spit(path, crlf);
    const Result refused = ReadRecordFileInBlocks(handed, path, take);
    EXPECT_EQ(refused.message, "The tax rate of trip line 60000 is not between 0 and 10. The "
                               "file is not opened.");
    EXPECT_EQ(ReadRecordFile(handed, path).message, refused.message);
}

} // namespace
