#pragma once

#include "records/listcolumn.h"
#include "records/units.h"
#include "views/snapshotundo.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <string>
#include <vector>

class CIftaDoc;
class UserPrompts;
struct TripEntry;

// The entry list: every trip line of the open record, one row each, in the units of the
// carrier's country. Rows start in record order; sorting by a column changes only the
// order shown, and a row finds its trip line again by the trip number it shows. Adding,
// modifying and deleting go through the trip entry dialog and the prompts, with one
// level of undo and redo over the whole list of trip lines.
class CEntryListCtrl : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kBackground = 0xFFFFC8; // RGB(255, 255, 200)

    CEntryListCtrl(CIftaDoc &doc, UserPrompts &prompts, QObject *parent = nullptr);

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

    // "Add New": the entry dialog for a new line, then the surcharge offer. Returns the
    // row of the last line added, or -1 when nothing was added.
    int AddEntry();
    // "Modify" of the line shown at `row`. Returns true when the line was changed.
    bool ModifyEntry(int row);
    // "Delete" of the line shown at `row`, after "Delete the selected item?". The
    // remaining lines are numbered 1, 2, 3 ... again. True when a line was removed.
    bool DeleteEntry(int row);

    // A click on heading `column`: flips the one direction flag of the program and orders
    // the rows by that column's key.
    void SortByColumn(int column);

    // Undo and redo of the trip lines; false when nothing was available.
    bool Undo();
    bool Redo();
    void TakeEntrySnapshot();
    const UndoFlags &undoFlags() const { return flags_; }
    // Both flags off: another record file was opened or a new one started.
    void ClearUndo() { flags_ = UndoFlags{}; }

private:
    bool runDialog(TripEntry &entry, bool add, int32_t useOdometerIn, int32_t &useOdometerOut);
    int appendLine(const TripEntry &entry);
    int findTripNumber(int tripNumber) const;

    CIftaDoc &doc_;
    UserPrompts &prompts_;
    std::vector<ListColumn> columns_;
    std::vector<size_t> order_; // row shown -> position in the record
    int shownCount_ = 0;
    UndoFlags flags_;
    mutable size_t cachedEntry_ = SIZE_MAX;
    mutable ListLine cachedLine_;
};

// The sort key of a cell text: for the State and Abbrev columns (2 and 3) the first four
// letters of the state name, upper case, as one number with the first letter most
// significant; for every other column the text read as atol reads it.
int32_t EntrySortKey(int column, const std::string &text);

// The direction flag of every sort: 0 or all bits set, 0 at start; set means ascending.
int32_t &EntrySortDirection();

// The units the last new entry was made in: the next new entry starts from them
// (kilometres and litres at program start).
EntryUnits &LastNewEntryUnits();

// The two questions of the entry list.
constexpr const char *kAddSurchargeQuestion =
    "For this state a surcharge is required.\nAdd surcharge?";
constexpr const char *kDeleteItemQuestion = "Delete the selected item?";
