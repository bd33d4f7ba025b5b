#include "views/codometerchart.h"

#include "views/chartaxis.h"

#include "views/cchecklistctrl.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

QScatterSeries *Marks(const QString &name, const QColor &colour)
{
    auto *series = new QScatterSeries;
    series->setName(name);
    series->setColor(colour);
    series->setBorderColor(colour);
    series->setMarkerSize(10.0);
    return series;
}

} // namespace

COdometerChart::COdometerChart(const CIftaDoc &doc, CCheckListCtrl &list, QWidget *parent)
    : QChartView(new QChart, parent)
    , doc_(doc)
    , list_(list)
{
    setObjectName(QStringLiteral("odometerChart"));
    setRenderHint(QPainter::Antialiasing);
    // Small enough that the check's list keeps half a small window (the chart's own
    // minimum would hold the view taller).
    chart()->setMinimumSize(QSizeF(120, 100));
    setMinimumHeight(100);
    chart()->setTitle(tr("Odometer by trip"));
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->setAnimationOptions(QChart::NoAnimation);
    tripAxis_ = new QValueAxis;
    readingAxis_ = new QValueAxis;
    chart()->addAxis(tripAxis_, Qt::AlignBottom);
    chart()->addAxis(readingAxis_, Qt::AlignLeft);
    connect(&list_, &QAbstractItemModel::modelReset, this, &COdometerChart::rebuild);
    rebuild();
}

void COdometerChart::rebuild()
{
    points_ = OdometerTrace(doc_, list_.findings(), kMaxPoints);
    QChart *c = chart();
    c->removeAllSeries();

    auto *line = new QLineSeries;
    line->setName(tr("Odometer out"));
    QScatterSeries *gaps = Marks(tr("Gap"), QColor(0xC0, 0x39, 0x2B));
    QScatterSeries *overlaps = Marks(tr("Overlap"), QColor(0xD9, 0x82, 0x2B));
    QList<QPointF> trace;
    trace.reserve(static_cast<qsizetype>(points_.size()));
    for (const OdometerPoint &p : points_) {
        trace.append(QPointF(p.trip, p.odometerOut));
        // A mark sits at the reading the trip started from, where the line jumps.
        if (p.mark == OdometerMark::Gap)
            gaps->append(p.trip, p.odometerIn);
        else if (p.mark == OdometerMark::Overlap)
            overlaps->append(p.trip, p.odometerIn);
    }
    line->replace(trace);

    // The readings' own range on the vertical axis: from zero the line of a truck at
    // 400,000 km would be flat along the top.
    if (!points_.empty()) {
        int32_t low = points_.front().odometerIn;
        int32_t high = low;
        for (const OdometerPoint &p : points_) {
            low = std::min({low, p.odometerIn, p.odometerOut});
            high = std::max({high, p.odometerIn, p.odometerOut});
        }
        SetRoundRange(*readingAxis_, low, high);
        SetRoundRange(*tripAxis_, points_.front().trip,
                      std::max(points_.back().trip, points_.front().trip + 1));
    }
    for (QAbstractSeries *series :
         {static_cast<QAbstractSeries *>(line), static_cast<QAbstractSeries *>(gaps),
          static_cast<QAbstractSeries *>(overlaps)}) {
        c->addSeries(series);
        series->attachAxis(tripAxis_);
        series->attachAxis(readingAxis_);
    }
}
