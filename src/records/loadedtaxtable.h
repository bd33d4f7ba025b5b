#pragma once

#include "records/snapshotundo.h"
#include "records/taxperiod.h"
#include "records/taxratetable.h"

// The tax-rate table the program has loaded, from load to exit: the 72 slots, the
// table's period, the one level of undo over the slots and whether the slots were changed
// since they were last read from or written to a file. Record documents point at it; the
// application (or a tollmark-cli subcommand) owns it.
class LoadedTaxTable
{
public:
    TaxRateTable &table() { return table_; }
    const TaxRateTable &table() const { return table_; }

    const TaxPeriod &period() const { return period_; }
    void setPeriod(const TaxPeriod &period) { period_ = period; }

    // A table read from a file or written to one: its undo state is dropped (it could
    // bring back rates of another table) and nothing is marked changed.
    void markLoaded()
    {
        undo_.clear();
        modified_ = false;
    }
    void markSaved() { markLoaded(); }

    // The slots were changed (a rate edited, a download) and are in no file yet.
    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }

    // Undo and redo over the whole table.
    SnapshotUndo<TaxRateTable> &undo() { return undo_; }
    const SnapshotUndo<TaxRateTable> &undo() const { return undo_; }
    void takeSnapshot() { undo_.take(table_); }
    bool undoChange() { return undo_.undo(table_); }
    bool redoChange() { return undo_.redo(table_); }

private:
    TaxRateTable table_;
    TaxPeriod period_;
    SnapshotUndo<TaxRateTable> undo_;
    bool modified_ = false;
};
