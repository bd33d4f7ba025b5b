#include "views/chartaxis.h"

#include <QValueAxis>

#include <algorithm>
#include <cmath>

RoundAxisRange RoundRange(double low, double high, int mostSteps)
{
    if (high < low)
        std::swap(low, high);
    const double span = high > low ? high - low : std::max(1.0, std::fabs(low));
    // A step of 1, 2 or 5 times a power of ten that makes at most `mostSteps` steps.
    const double raw = span / std::max(1, mostSteps);
    double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= raw)
            break;
    }
    // Whole steps only: ticks then add up exactly, and a tick near zero can never come
    // out as a tiny negative that prints "-0".
    step = std::max(step, 1.0);
    RoundAxisRange range;
    range.step = step;
    range.min = std::floor(low / step) * step;
    range.max = std::ceil(high / step) * step;
    if (range.max <= range.min)
        range.max = range.min + step;
    // -0.0 would print as "-0".
    if (range.min == 0.0)
        range.min = 0.0;
    if (range.max == 0.0)
        range.max = 0.0;
    return range;
}

void SetRoundRange(QValueAxis &axis, double low, double high, int mostSteps)
{
    const RoundAxisRange range = RoundRange(low, high, mostSteps);
    axis.setRange(range.min, range.max);
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0.0);
    axis.setTickInterval(range.step);
    axis.setLabelFormat(QStringLiteral("%.0f"));
}
