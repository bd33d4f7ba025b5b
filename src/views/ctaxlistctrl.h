#pragma once

#include "records/listcolumn.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

class CIftaDoc;
class UserPrompts;

// The tax-rate list: the loaded table's slots, one line each from slot 0, so that a line
// is its slot number. Rates are changed through the tax-rate dialog ("Modify", "Add
// New"), with one level of undo and redo over the whole table. A change made here marks
// the loaded table changed; loading or saving a tax file clears that and the undo (the
// table's own LoadedTaxTable keeps both).
class CTaxListCtrl : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kBackground = 0xC8FFC8; // RGB(200, 255, 200)

    CTaxListCtrl(CIftaDoc &doc, UserPrompts &prompts, QObject *parent = nullptr);

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

    // "Modify" of the line at `row` (its slot): the dialog with name and abbreviation
    // read-only. True when the slot was changed.
    bool ModifyRate(int row);
    // "Add New": the dialog "New Tax" for the slot after the shown lines. Returns the
    // slot written, or -1 when cancelled or when all 72 slots are in use.
    int AddRate();

    // Undo and redo of the whole table; false when nothing was available.
    bool Undo();
    bool Redo();

signals:
    // A line was changed or added and should be scrolled into view.
    void lineChanged(int row);

private:
    CIftaDoc &doc_;
    UserPrompts &prompts_;
    std::vector<ListColumn> columns_;
    int shownCount_ = 0;
};

// Shown when "Add New" finds every slot of the table in use.
constexpr const char *kTaxTableFull =
    "All 72 tax-rate slots are in use. No new tax rate can be added.";
