// Chart axes on round numbers: whole steps of 1, 2 or 5 times a power of ten, the range widened
// to whole steps, a tick on zero, and no "-0" among the labels.

#include "views/chartaxis.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(ChartAxis, RoundRangesAndTheirLabels)
{
    struct Case {
        double low, high;
        double min, max, step;
        int mostSteps = 6;
    };
    const Case cases[] = {
        {-4.57, 34.18, -10, 40, 10},            // the sample quarter's tax, credit and due
        {0, 7097, 0, 8000, 2000},               // distances
        {412350, 419447, 412000, 420000, 2000}, // odometer readings far from zero
        {1, 22, 0, 25, 5},                      // trip numbers
        {0, 0.4, 0, 1, 1},                      // cents only: one whole step
        {-0.3, 0, -1, 0, 1},                    // all credit: the top stays at zero
        {5, 5, 5, 6, 1},                        // one value: one step above it
        {-69.29, 44.85, -100, 50, 50, 3},       // a short chart: three steps
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString("%1..%2").arg(c.low).arg(c.high).toStdString());
        const RoundAxisRange r = RoundRange(c.low, c.high, c.mostSteps);
        EXPECT_DOUBLE_EQ(r.min, c.min);
        EXPECT_DOUBLE_EQ(r.max, c.max);
        EXPECT_DOUBLE_EQ(r.step, c.step);
        for (double tick = r.min; tick <= r.max + r.step / 2; tick += r.step) {
            const QString label = QString::asprintf("%.0f", tick);
            EXPECT_FALSE(label.startsWith("-") && label.toDouble() == 0.0) << label.toStdString();
        }
    }
}

} // namespace
