// The numbers of the check's messages: thousands grouped, cents and rates exact.

#include "check/checkcontext.h"

#include <gtest/gtest.h>

TEST(CheckText, GroupsThousandsAndKeepsTheSign)
{
    const struct {
        int64_t hundredths;
        const char *text;
    } cases[] = {
        {0, "0.00"},
        {5, "0.05"},
        {-50, "-0.50"},
        {123456, "1,234.56"},
        {100000000, "1,000,000.00"},
        {-123456789, "-1,234,567.89"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GroupedHundredths(c.hundredths), c.text) << c.hundredths;
    EXPECT_EQ(GroupedWhole(999), "999");
    EXPECT_EQ(GroupedWhole(1000), "1,000");
    EXPECT_EQ(GroupedWhole(-1234567), "-1,234,567");
    EXPECT_EQ(RateText(2020), "0.2020");
    EXPECT_EQ(RateText(12345), "1.2345");
    EXPECT_EQ(RateText(-5), "-0.0005");
}
