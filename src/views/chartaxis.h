#pragma once

class QValueAxis;

// A value axis's range and ticks on round numbers: whole steps of 1, 2 or 5 times a power
// of ten, a tick on zero whenever zero is in the range, and never a label of "-0".
struct RoundAxisRange {
    double min = 0.0;
    double max = 1.0;
    double step = 1.0;
};

// The round range that holds `low` to `high` in at most about `mostSteps` steps (a short
// chart takes fewer, so that its labels have room). An empty range (low == high) is
// widened to one step around its value.
RoundAxisRange RoundRange(double low, double high, int mostSteps = 6);

// Puts `axis` on RoundRange(low, high): its range, its ticks anchored at zero every step,
// and whole-number labels.
void SetRoundRange(QValueAxis &axis, double low, double high, int mostSteps = 6);
