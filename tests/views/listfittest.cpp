// The report's fit to the window: columns narrowed in proportion to what they have above
// their widest cell, and the list's share of the height.

#include "views/clistfit.h"

#include <gtest/gtest.h>

#include <numeric>

TEST(ListFit, ColumnsGiveUpWhatTheyHaveAboveTheirCells)
{
    const struct {
        std::vector<int> wanted, least;
        int room;
        std::vector<int> fitted;
    } cases[] = {
        {{100, 100}, {50, 50}, 250, {100, 100}}, // they fit: unchanged
        {{100, 100}, {50, 50}, 150, {75, 75}},
        {{100, 100}, {90, 50}, 160, {93, 66}}, // 10 and 50 to spare, 40 to give
        {{100, 100}, {80, 80}, 100, {80, 80}}, // not even the least fit: the least
        {{150, 50, 120}, {60, 40, 70}, 200, {78, 42, 80}},
    };
    for (const auto &c : cases) {
        const std::vector<int> fitted = CListFit::FitWidths(c.wanted, c.least, c.room);
        EXPECT_EQ(fitted, c.fitted) << c.room;
        for (size_t i = 0; i < fitted.size(); ++i)
            EXPECT_GE(fitted[i], c.least[i]);
        if (std::accumulate(c.least.begin(), c.least.end(), 0) <= c.room) {
            EXPECT_LE(std::accumulate(fitted.begin(), fitted.end(), 0), c.room);
        }
    }
}

TEST(ListFit, TheListKeepsHalfAndTheChartsTheirRoomWhileTheyCan)
{
    const struct {
        int needed, total, chartsLeast, list;
    } cases[] = {
        {300, 600, 150, 300}, // all lines, charts get the rest
        {500, 600, 150, 450}, // the charts keep their room
        {100, 600, 150, 300}, // never less than half
        {400, 300, 150, 150}, // small window: half, the charts shrink to it
    };
    for (const auto &c : cases)
        EXPECT_EQ(CListFit::ListHeight(c.needed, c.total, c.chartsLeast), c.list) << c.needed;
}
