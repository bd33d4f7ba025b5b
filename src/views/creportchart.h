#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class CReportListCtrl;
class QAbstractBarSeries;
class QAbstractItemModel;
class QBarCategoryAxis;
class QChart;
class QChartView;
class QValueAxis;

// The report as a picture, under the report list: the tax due (+) and credit (-) of each
// jurisdiction as bars above and below the line, and the distance driven in each. It is
// drawn from the list's own lines, in the list's order, and again whenever the list is
// filled, sorted or changed, so it always shows what the list shows.
class CReportChart : public QWidget
{
    Q_OBJECT

public:
    // What the chart shows: one bar of each kind per jurisdiction line of the list.
    struct Data {
        std::vector<QString> jurisdictions;
        std::vector<double> tax; // to pay (+) or credit (-)
        std::vector<double> distance;
    };

    explicit CReportChart(CReportListCtrl &list, QWidget *parent = nullptr);

    const Data &data() const { return data_; }
    QChart *taxChart() const;
    QChart *distanceChart() const;

    // The chart's data from the lines of a report list: its jurisdiction lines (the
    // empty line and the totals line left out).
    static Data FromList(const CReportListCtrl &list);

private:
    void rebuild();
    void watch(QAbstractItemModel *model);
    // One chart of the two: its axes, made once and kept while series come and go.
    struct Axes {
        QBarCategoryAxis *jurisdictions = nullptr;
        QValueAxis *values = nullptr;
    };
    static Axes AddAxes(QChart *chart);
    static void Show(QChart *chart, const Axes &axes, QAbstractBarSeries *series,
                     const std::vector<double> &values, const QStringList &categories);

    CReportListCtrl &list_;
    QChartView *taxView_ = nullptr;
    QChartView *distanceView_ = nullptr;
    Axes taxAxes_;
    Axes distanceAxes_;
    Data data_;
};
