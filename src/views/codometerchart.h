#pragma once

#include "check/odometertrace.h"

#include <QChartView>

class CCheckListCtrl;
class CIftaDoc;
class QValueAxis;

// The odometer line of the quarter, under the check list: each ordinary trip line's
// odometer out by trip number, with the gaps and overlaps the check found marked at the
// trip where they start. Drawn again whenever the check list is filled.
class COdometerChart : public QChartView
{
    Q_OBJECT

public:
    // Points drawn at most; a larger record is thinned (every marked line stays).
    static constexpr size_t kMaxPoints = 4000;

    COdometerChart(const CIftaDoc &doc, CCheckListCtrl &list, QWidget *parent = nullptr);

    const std::vector<OdometerPoint> &points() const { return points_; }

private:
    void rebuild();

    const CIftaDoc &doc_;
    CCheckListCtrl &list_;
    std::vector<OdometerPoint> points_;
    // Made once and kept: series come and go with each drawing, the axes stay.
    QValueAxis *tripAxis_ = nullptr;
    QValueAxis *readingAxis_ = nullptr;
};
