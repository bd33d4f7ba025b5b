#include "numbers/decimaltext.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <random>
#include <string>

TEST(DecimalTextTest, ReadsExactlyAndRoundsHalfUp)
{
    struct Case {
        std::string text;
        int decimals;
        int64_t units;
        DecimalRead read;
    } const cases[] = {
        {"6.825", 2, 683, DecimalRead::Number}, // a binary float would give 6.8249998
        {"2.675", 2, 268, DecimalRead::Number},
        {"5.125", 2, 513, DecimalRead::Number},
        {"-0.125", 2, -12, DecimalRead::Number}, // halves toward plus infinity
        {"-0.1251", 2, -13, DecimalRead::Number},
        {"0.00005", 4, 1, DecimalRead::Number},
        {"0.000049999", 4, 0, DecimalRead::Number},
        {"0." + std::string(5000, '1'), 4, 1111, DecimalRead::Number},
        {"1." + std::string(40, '0') + "1", 2, 100, DecimalRead::Number},
        {" \t+1.5", 2, 150, DecimalRead::Number},
        {".5", 2, 50, DecimalRead::Number},
        {"5.", 2, 500, DecimalRead::Number},
        {"12abc", 2, 1200, DecimalRead::Number},
        {"1e3", 2, 100000, DecimalRead::Number},
        {"1.23e-2", 4, 123, DecimalRead::Number},
        {"1e", 2, 100, DecimalRead::Number},  // an exponent without digits is not one
        {"0x1p4", 2, 0, DecimalRead::Number}, // hexadecimal is not read: 0
        {"-2.5", 0, -2, DecimalRead::Number},
        {"", 2, 0, DecimalRead::NoNumber},
        {".", 2, 0, DecimalRead::NoNumber},
        {"--5", 2, 0, DecimalRead::NoNumber},
        {"+-5", 2, 0, DecimalRead::NoNumber},
        {"nan", 2, 0, DecimalRead::NoNumber},
        {"-inf", 4, 0, DecimalRead::NoNumber},
        {"1e40", 2, kDecimalLimit, DecimalRead::TooLarge},
        {"-1e400000000", 2, -kDecimalLimit, DecimalRead::TooLarge},
        {std::string(30, '9'), 4, kDecimalLimit, DecimalRead::TooLarge},
        {"1e-400000000", 2, 0, DecimalRead::Number},
    };
    for (const Case &c : cases) {
        int64_t units = -1;
        const DecimalRead read =
            ReadDecimal(c.text.data(), c.text.data() + c.text.size(), c.decimals, units);
        EXPECT_EQ(units, c.units) << c.text.substr(0, 40);
        EXPECT_EQ(read, c.read) << c.text.substr(0, 40);
    }
}

TEST(DecimalTextTest, WritesWhatPrintfWritesForTheExactValue)
{
    struct Case {
        int64_t units;
        int decimals;
        const char *text;
        const char *shortest;
    } const cases[] = {
        {0, 2, "0.00", "0"},
        {-5, 2, "-0.05", "-0.05"},
        {12345, 2, "123.45", "123.45"},
        {1250, 2, "12.50", "12.5"},
        {7, 4, "0.0007", "0.0007"},
        {3250, 4, "0.3250", "0.325"},
        {-38675, 3, "-38.675", "-38.675"},
        {std::numeric_limits<int64_t>::min(), 2, "-92233720368547758.08", "-92233720368547758.08"},
    };
    for (const Case &c : cases) {
        std::string text;
        AppendDecimal(text, c.units, c.decimals);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(ShortestDecimalText(c.units, c.decimals), c.shortest);
    }
}

TEST(DecimalTextTest, WriterMatchesPrintfAndReadsBackOnRandomAmounts)
{
    // printf of the nearest long double to units / 10^d, at d decimals, gives the exact
    // decimal back for every amount within the limit; the reader must return the units.
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        const int decimals = i % 2 ? 2 : 4;
        const int64_t units =
            static_cast<int64_t>(random() % (2 * kDecimalLimit + 1)) - kDecimalLimit;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.*Lf", decimals,
                      static_cast<long double>(units) / PowerOfTen(decimals));
        std::string text;
        AppendDecimal(text, units, decimals);
        ASSERT_EQ(text, expected);
        int64_t back = 0;
        ASSERT_EQ(ReadDecimal(text.data(), text.data() + text.size(), decimals, back),
                  DecimalRead::Number);
        ASSERT_EQ(back, units) << text;
    }
}

// Messages group thousands and keep the sign; no decimals means no point.
TEST(DecimalTextTest, GroupsThousandsAndKeepsTheSign)
{
    const struct {
        int64_t units;
        int decimals;
        const char *text;
    } cases[] = {
        {0, 2, "0.00"},
        {5, 2, "0.05"},
        {-50, 2, "-0.50"},
        {123456, 2, "1,234.56"},
        {100000000, 2, "1,000,000.00"},
        {-123456789, 2, "-1,234,567.89"},
        {999, 0, "999"},
        {1000, 0, "1,000"},
        {-1234567, 0, "-1,234,567"},
        {std::numeric_limits<int64_t>::min(), 0, "-9,223,372,036,854,775,808"},
        {-5, 4, "-0.0005"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GroupedDecimalText(c.units, c.decimals), c.text) << c.units;
}

// A penalty typed by hand: plain digits, at most the scale's decimals, within a maximum.
TEST(DecimalTextTest, TypedAmountsTakeOnlyPlainDigits)
{
    const struct {
        const char *text;
        bool ok;
        int64_t units;
    } cases[] = {
        {"50", true, 5000},
        {" 25.5 ", true, 2550},
        {"12.50", true, 1250},
        {"1000000000", true, 100000000000},
        {"1000000000.01", false, 0},
        {"25.005", false, 0},
        {"12.", false, 0},
        {".5", false, 0},
        {"-1", false, 0},
        {"1e3", false, 0},
        {"", false, 0},
        {"1 2", false, 0},
        {"1.2.3", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const auto &c : cases) {
        int64_t units = -7;
        EXPECT_EQ(ReadTypedAmount(c.text, 2, 100000000000, units), c.ok) << c.text;
        EXPECT_EQ(units, c.ok ? c.units : -7) << c.text;
    }
}
