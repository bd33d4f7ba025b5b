#pragma once

#include <QObject>

#include <vector>

class QSplitter;
class QTableView;
class QWidget;

// Fits a small list and its charts to the view: the columns narrowed (never below their
// widest cell) until every one shows without scrolling sideways, and the list given the
// height of all its lines as long as the charts keep some room, and never less than half
// the height, so that on a small window the charts shrink first. Runs when a list is
// shown and whenever the view changes size.
class CListFit : public QObject
{
public:
    CListFit(QTableView &list, QSplitter &splitter, QWidget &charts);

    // Whether the columns are narrowed to fit: for lists of a few dozen lines (the report),
    // never the entry list, whose cells are not all measured.
    void setFitColumns(bool on) { fitColumns_ = on; }
    // Sizes the columns from the model's widths and shares the height out again.
    void fit();

    // The widths `wanted` narrowed to `room` in all: each column gives up a share of what
    // it has above its `least`, in proportion. Unchanged when they fit; the least widths
    // when even those do not.
    static std::vector<int> FitWidths(const std::vector<int> &wanted, const std::vector<int> &least,
                                      int room);
    // The list's share of `total` pixels: the `needed` height of its lines while the
    // charts keep `chartsLeast`, at least half, never more than `total`.
    static int ListHeight(int needed, int total, int chartsLeast);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitColumns();
    void fitHeights();

    QTableView &list_;
    QSplitter &splitter_;
    QWidget &charts_;
    bool fitColumns_ = false;
};
