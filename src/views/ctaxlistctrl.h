#pragma once

#include "records/listcolumn.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

class CIftaDoc;

// The tax-rate list: the loaded table's slots, one line each from slot 0, so that a line
// is its slot number. It only shows them: rates are changed by the session
// (CEditSession, the tax-rate file and the download) through the loaded table, which
// tells the list what changed; the list then builds its lines again.
class CTaxListCtrl : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kBackground = 0xC8FFC8; // RGB(200, 255, 200)

    explicit CTaxListCtrl(CIftaDoc &doc, QObject *parent = nullptr);
    ~CTaxListCtrl() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const std::vector<ListColumn> &columns() const { return columns_; }
    // Rebuilds the lines from the table: none while no table is loaded, else slot 0 and
    // every following slot up to the first without a name.
    void Fill();
    // Lines shown; also the slot that "Add New" fills next.
    int shownCount() const { return shownCount_; }
    std::string text(int row, int column) const;

signals:
    // One slot was changed or added and its line should be scrolled into view.
    void lineChanged(int row);

private:
    CIftaDoc &doc_;
    int observer_ = 0;
    std::vector<ListColumn> columns_;
    int shownCount_ = 0;
};
