#include "views/creportchart.h"

#include "views/chartaxis.h"

#include "views/creportlistctrl.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

// A number of the list as the chart draws it: the list writes "%.2f" and "%d" in the C
// locale, which QString reads whatever the user's locale is.
double Number(const std::string &text)
{
    return QString::fromStdString(text).toDouble();
}

// Columns of the report list the chart reads.
constexpr int kAbbreviationColumn = 1;
constexpr int kTaxableDistanceColumn = 3;
constexpr int kTaxColumn = 9;

QChartView *MakeView(const QString &title, QWidget *parent)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    // Small enough that the report keeps half a small window: the chart's own minimum
    // (title, legend and axes) would hold the view at 140 pixels.
    chart->setMinimumSize(QSizeF(120, 100));
    view->setMinimumHeight(100);
    return view;
}

} // namespace

CReportChart::CReportChart(CReportListCtrl &list, QWidget *parent) : QWidget(parent), list_(list)
{
    setObjectName(QStringLiteral("reportChart"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    taxView_ = MakeView(tr("To pay (+) / Credit (-) by jurisdiction"), this);
    distanceView_ = MakeView(tr("Distance by jurisdiction"), this);
    layout->addWidget(taxView_);
    layout->addWidget(distanceView_);
    taxAxes_ = AddAxes(taxChart());
    distanceAxes_ = AddAxes(distanceChart());
    watch(&list_);
    rebuild();
}

QChart *CReportChart::taxChart() const
{
    return taxView_->chart();
}

QChart *CReportChart::distanceChart() const
{
    return distanceView_->chart();
}

CReportChart::Axes CReportChart::AddAxes(QChart *chart)
{
    Axes axes;
    axes.jurisdictions = new QBarCategoryAxis;
    axes.values = new QValueAxis;
    chart->addAxis(axes.jurisdictions, Qt::AlignBottom);
    chart->addAxis(axes.values, Qt::AlignLeft);
    return axes;
}

void CReportChart::Show(QChart *chart, const Axes &axes, QAbstractBarSeries *series,
                        const std::vector<double> &values, const QStringList &categories)
{
    chart->removeAllSeries();
    axes.jurisdictions->clear();
    axes.jurisdictions->append(categories);
    double low = 0.0;
    double high = 0.0;
    for (double v : values) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    // The report's charts shrink first when the window is small: three steps at most, so
    // that the labels keep room instead of showing as "...".
    SetRoundRange(*axes.values, low, high > low ? high : low + 1.0, 3);
    chart->addSeries(series);
    series->attachAxis(axes.jurisdictions);
    series->attachAxis(axes.values);
}

void CReportChart::watch(QAbstractItemModel *model)
{
    connect(model, &QAbstractItemModel::modelReset, this, &CReportChart::rebuild);
    connect(model, &QAbstractItemModel::layoutChanged, this, &CReportChart::rebuild);
    connect(model, &QAbstractItemModel::dataChanged, this, &CReportChart::rebuild);
    connect(model, &QAbstractItemModel::rowsInserted, this, &CReportChart::rebuild);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &CReportChart::rebuild);
}

CReportChart::Data CReportChart::FromList(const CReportListCtrl &list)
{
    Data data;
    for (int row = 0; row < list.rowCount(); ++row) {
        const std::string abbreviation = list.text(row, kAbbreviationColumn);
        // The empty line and the totals line have no abbreviation.
        if (abbreviation.empty())
            continue;
        data.jurisdictions.push_back(QString::fromLatin1(abbreviation.c_str()));
        data.tax.push_back(Number(list.text(row, kTaxColumn)));
        data.distance.push_back(Number(list.text(row, kTaxableDistanceColumn)));
    }
    return data;
}

void CReportChart::rebuild()
{
    data_ = FromList(list_);
    QStringList categories;
    for (const QString &j : data_.jurisdictions)
        categories << j;

    // Tax due and credit as two sets of one stacked series: each jurisdiction has a bar in
    // one of them, above or below the line, each in its own colour.
    auto *due = new QBarSet(tr("To pay"));
    auto *credit = new QBarSet(tr("Credit"));
    due->setColor(QColor(0xC0, 0x39, 0x2B));
    credit->setColor(QColor(0x2A, 0x8A, 0x3A));
    for (double tax : data_.tax) {
        *due << std::max(tax, 0.0);
        *credit << std::min(tax, 0.0);
    }
    auto *taxes = new QStackedBarSeries;
    taxes->append(due);
    taxes->append(credit);
    Show(taxChart(), taxAxes_, taxes, data_.tax, categories);

    auto *distance = new QBarSet(tr("Distance"));
    distance->setColor(QColor(0x3B, 0x6B, 0xB0));
    for (double d : data_.distance)
        *distance << d;
    auto *distances = new QBarSeries;
    distances->append(distance);
    Show(distanceChart(), distanceAxes_, distances, data_.distance, categories);
}
