#pragma once

#include "records/listcolumn.h"
#include "report/report.h"

#include <QAbstractTableModel>

#include <vector>

class CIftaDoc;
class CSession;

// The report list: the quarterly report of the open record, one line per jurisdiction,
// then an empty line and the totals line, under the ten columns of the carrier's unit
// system; for a return filed late (File, Filing Date) the Interest and Total columns and
// the penalty and total due lines too. Read-only: no editing, no sorting, no context
// menu. The report is computed again at every Fill().
class CReportListCtrl : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kBackground = 0xC8C8FF; // RGB(200, 200, 255)

    explicit CReportListCtrl(CSession &session, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The ten columns for the carrier's country (twelve for a late return).
    void SetColumns();
    const std::vector<ListColumn> &columns() const { return columns_; }
    // Recomputes the report in `rounding` and rebuilds the lines (ListReport).
    void Fill(FuelRounding rounding = FuelRounding::Cents);

    const std::vector<ListLine> &lines() const { return lines_; }
    // The text of a cell as the list shows it; empty outside the list.
    std::string text(int row, int column) const;

private:
    // The columns and lines of the report and, when it is late and its interest could be
    // computed, of the late return.
    void build(bool withLines, FuelRounding rounding);

    CSession &session_;
    CIftaDoc &doc_;
    std::vector<ListColumn> columns_;
    std::vector<ListLine> lines_;
};
