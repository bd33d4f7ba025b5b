#pragma once

#include "records/changeobservers.h"
#include "records/taxperiod.h"
#include "records/taxratetable.h"
#include "records/undostack.h"

#include <cstdint>
#include <string>

// The tax-rate table the program has loaded, from load to exit: the 72 slots, the
// table's period, the named undo steps over the slots and whether the slots were changed
// since they were last read from or written to a file. Record documents point at it; the
// application (or a tollmark-cli subcommand) owns it.
//
// It changes only through the methods below; each raises `revision()` and tells the
// observers once what changed (RatesChanged, PeriodChanged or SavedChanged).
class LoadedTaxTable
{
public:
    const TaxRateTable &table() const { return table_; }
    const TaxPeriod &period() const { return period_; }
    uint64_t revision() const { return revision_; }
    ChangeObservers &observers() { return observers_; }

    // The table's year and quarter (a file read, a download, the tax-period dialog).
    void setPeriod(const TaxPeriod &period);

    // The rates of `slot` as edited in the tax-rate dialog ("Modify Rate QC"): both rates,
    // the surcharge flag, name and abbreviation. Marks the table changed. False, changing
    // nothing, for a slot outside the table.
    bool modifySlot(int slot, const TaxRate &rate);
    // A new jurisdiction in `slot` ("Add Rate OH"), numbered by its slot.
    bool addSlot(int slot, const TaxRate &rate);
    // Every slot from a rate chart fetched or read ("Download Rates"): an undo step, and
    // the table is marked changed.
    void replaceFromChart(const TaxRateTable &slots);
    // Every slot from a tax-rate file: the table counts as loaded (see markLoaded).
    void replaceFromFile(const TaxRateTable &slots);

    // A table read from a file or written to one: its undo steps are dropped (they could
    // bring back rates of another table) and nothing is marked changed (SavedChanged).
    void markLoaded();
    void markSaved() { markLoaded(); }

    // The slots were changed (a rate edited, a download) and are in no file yet.
    bool isModified() const { return modified_; }
    // Tells the observers SavedChanged.
    void setModified(bool modified = true);

    // Undo and redo over the whole table; false when there was no step. They leave the
    // unsaved mark alone.
    const UndoStack<TaxRateTable> &undo() const { return undo_; }
    bool undoChange();
    bool redoChange();

private:
    void changed(DocChange::What what, size_t first = 0, size_t count = 0);

    TaxRateTable table_;
    TaxPeriod period_;
    UndoStack<TaxRateTable> undo_;
    ChangeObservers observers_;
    uint64_t revision_ = 0;
    bool modified_ = false;
};
