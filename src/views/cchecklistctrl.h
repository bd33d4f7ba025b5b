#pragma once

#include "check/finding.h"
#include "records/listcolumn.h"

#include <QAbstractTableModel>

#include <vector>

class CIftaDoc;

// The check list: the findings of the quarter check of the open record against the loaded
// table, one line each under "Rule", "Trip", "Jurisdiction" and "Message", in the check's
// order. Read-only; the check runs again at every Fill().
class CCheckListCtrl : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kBackground = 0xFFF2CC; // RGB(255, 242, 204)

    explicit CCheckListCtrl(CIftaDoc &doc, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Runs the check again and rebuilds the lines.
    void Fill();

    const Findings &findings() const { return findings_; }
    // The trip number of the finding at `row`, 0 when it names none or the row is outside
    // the list.
    int32_t TripAt(int row) const;
    // The text of a cell as the list shows it; empty outside the list.
    std::string text(int row, int column) const;

private:
    CIftaDoc &doc_;
    std::vector<ListColumn> columns_;
    Findings findings_;
    std::vector<ListLine> lines_;
};
