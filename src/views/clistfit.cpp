#include "views/clistfit.h"

#include "views/ciftaview.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <numeric>

namespace {

// The charts' own least height: titles, axes and a few bars still read.
constexpr int kChartsLeast = 150;
// Room a cell takes beside its text: the list's margins on both sides.
constexpr int kCellMargins = 12;

} // namespace

CListFit::CListFit(QTableView &list, QSplitter &splitter, QWidget &charts)
    : QObject(&splitter)
    , list_(list)
    , splitter_(splitter)
    , charts_(charts)
{
    splitter_.installEventFilter(this);
}

std::vector<int> CListFit::FitWidths(const std::vector<int> &wanted, const std::vector<int> &least,
                                     int room)
{
    const int total = std::accumulate(wanted.begin(), wanted.end(), 0);
    if (total <= room || wanted.size() != least.size())
        return wanted;
    std::vector<int> spare(wanted.size());
    for (size_t c = 0; c < wanted.size(); ++c)
        spare[c] = std::max(0, wanted[c] - least[c]);
    const int available = std::accumulate(spare.begin(), spare.end(), 0);
    const int excess = total - room;
    std::vector<int> fitted(wanted.size());
    if (available <= excess) {
        for (size_t c = 0; c < wanted.size(); ++c)
            fitted[c] = wanted[c] - spare[c];
        return fitted;
    }
    // Each column gives its share of the excess, rounded up, so the sum never passes
    // `room`; the rounding takes at most a pixel a column.
    for (size_t c = 0; c < wanted.size(); ++c) {
        const int64_t share = (static_cast<int64_t>(excess) * spare[c] + available - 1) / available;
        fitted[c] = wanted[c] - static_cast<int>(std::min<int64_t>(share, spare[c]));
    }
    return fitted;
}

int CListFit::ListHeight(int needed, int total, int chartsLeast)
{
    const int half = total / 2;
    return std::max(half, std::min(needed, total - chartsLeast));
}

bool CListFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &splitter_ && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

void CListFit::fit()
{
    if (fitColumns_)
        fitColumns();
    fitHeights();
}

void CListFit::fitColumns()
{
    const QAbstractItemModel *model = list_.model();
    if (!model)
        return;
    const int columns = model->columnCount();
    const QFontMetrics metrics = list_.fontMetrics();
    std::vector<int> wanted(static_cast<size_t>(columns));
    std::vector<int> least(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        const QVariant width = model->headerData(c, Qt::Horizontal, kColumnWidthRole);
        wanted[static_cast<size_t>(c)] = width.isValid() ? width.toInt() : list_.columnWidth(c);
        int widest = 0;
        for (int r = 0; r < model->rowCount(); ++r)
            widest = std::max(widest, metrics.horizontalAdvance(
                                          model->index(r, c).data(Qt::DisplayRole).toString()));
        least[static_cast<size_t>(c)] = widest + kCellMargins;
    }
    // The width the list has with its vertical scroll bar, which a long report shows.
    int room = list_.viewport()->width();
    if (!list_.verticalScrollBar()->isVisible())
        room -= list_.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const std::vector<int> fitted = FitWidths(wanted, least, room);
    for (int c = 0; c < columns; ++c)
        list_.setColumnWidth(c, fitted[static_cast<size_t>(c)]);
}

void CListFit::fitHeights()
{
    if (charts_.isHidden() || splitter_.count() != 2)
        return;
    const QAbstractItemModel *model = list_.model();
    const int rows = model ? model->rowCount() : 0;
    const int needed = list_.horizontalHeader()->sizeHint().height() +
                       rows * list_.verticalHeader()->defaultSectionSize() +
                       2 * list_.frameWidth() + 2;
    const int total = splitter_.height() - splitter_.handleWidth();
    const int height = ListHeight(needed, total, kChartsLeast);
    splitter_.setSizes({height, std::max(0, total - height)});
}
