#pragma once

#include "records/listcolumn.h"

#include <QAbstractTableModel>

#include <vector>

class CIftaDoc;

// The vehicles list: one line per unit of the open record ("Unit", "Trips", "Distance",
// "Fuel", "Average"), the lines without a unit as "(none)", then the fleet's line.
// Read-only; computed again at every Fill().
class CVehicleListCtrl : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kBackground = 0xE2EFDA; // RGB(226, 239, 218)

    explicit CVehicleListCtrl(CIftaDoc &doc, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Computes the vehicle records again and rebuilds the lines.
    void Fill();
    // The text of a cell as the list shows it; empty outside the list.
    std::string text(int row, int column) const;

private:
    CIftaDoc &doc_;
    std::vector<ListColumn> columns_;
    std::vector<ListLine> lines_;
};
