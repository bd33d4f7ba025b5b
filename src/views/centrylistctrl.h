#pragma once

#include "records/listcolumn.h"
#include "records/units.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <string>
#include <vector>

class CIftaDoc;
struct DocChange;
struct ProgramState;
struct TripEntry;

// The entry list: every trip line of the open record, one row each, in the units of the
// carrier's country. Rows start in record order; sorting by a column changes only the
// order shown, and a row finds its trip line again by the trip number it shows. The
// model only maps rows to trip lines: the lines are changed by the session through the
// document, and the model follows what the document says it changed (lines added,
// changed or removed, another record).
class CEntryListCtrl : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kBackground = 0xFFFFC8; // RGB(255, 255, 200)

    CEntryListCtrl(CIftaDoc &doc, ProgramState &state, QObject *parent = nullptr);
    ~CEntryListCtrl() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The nine columns for the carrier's country; also sets the program's current entry
    // units to that country's units.
    void SetColumns();
    const std::vector<ListColumn> &columns() const { return columns_; }
    // Rebuilds the rows from the record, in record order.
    void Fill();
    int shownCount() const { return shownCount_; }

    // The text of a cell as the list shows it.
    std::string text(int row, int column) const;
    // The trip number shown in column 0 of a row.
    int TripNumberAt(int row) const;

    // The row that shows the trip line at `position` of the record, or -1.
    int rowOfEntry(size_t position) const;
    // The position in the record of the trip line a row shows (found by the trip number
    // it shows), or -1 when it shows none of this record's lines.
    int entryAtRow(int row) const;

    // A line was appended to the record: one row more at the end.
    int entryAppended();
    // Lines changed in place: every row is drawn again.
    void entriesChanged();

    // A click on heading `column`: orders the rows by that column, ascending on a first
    // click, reversed on a second click on the same heading.
    void SortByColumn(int column);

private:
    void OnDocChange(const DocChange &change);

    CIftaDoc &doc_;
    int observer_ = 0;
    ProgramState &state_;
    std::vector<ListColumn> columns_;
    // Row shown -> position in the record. A list has fewer rows than an int counts.
    std::vector<uint32_t> order_;
    int shownCount_ = 0;
    mutable size_t cachedEntry_ = SIZE_MAX;
    mutable ListLine cachedLine_;
};
