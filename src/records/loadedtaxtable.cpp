#include "records/loadedtaxtable.h"
#include "numbers/uitext.h"

namespace {

void CopyRates(TaxRate &slot, const TaxRate &rate)
{
    slot.dieselRate = rate.dieselRate;
    slot.gasolineRate = rate.gasolineRate;
    slot.surcharge = rate.surcharge;
    slot.name = rate.name;
    slot.abbreviation = rate.abbreviation;
}

} // namespace

void LoadedTaxTable::changed(DocChange::What what, size_t first, size_t count)
{
    ++revision_;
    observers_.notify(DocChange{what, first, count, revision_});
}

void LoadedTaxTable::setPeriod(const TaxPeriod &period)
{
    period_ = period;
    changed(DocChange::What::PeriodChanged);
}

bool LoadedTaxTable::modifySlot(int slot, const TaxRate &rate)
{
    if (!TaxRateTable::isValidSlot(slot))
        return false;
    undo_.record(UiArgs(UiText("UndoSteps", "Modify Rate %1"), {table_[slot].abbreviation}),
                 table_);
    CopyRates(table_[slot], rate);
    modified_ = true;
    changed(DocChange::What::RatesChanged, static_cast<size_t>(slot), 1);
    return true;
}

bool LoadedTaxTable::addSlot(int slot, const TaxRate &rate)
{
    if (!TaxRateTable::isValidSlot(slot))
        return false;
    undo_.record(UiArgs(UiText("UndoSteps", "Add Rate %1"), {rate.abbreviation}), table_);
    CopyRates(table_[slot], rate);
    table_[slot].slot = slot;
    modified_ = true;
    changed(DocChange::What::RatesChanged, static_cast<size_t>(slot), 1);
    return true;
}

void LoadedTaxTable::replaceFromChart(const TaxRateTable &slots)
{
    undo_.record(UiText("UndoSteps", "Download Rates"), table_);
    table_ = slots;
    modified_ = true;
    changed(DocChange::What::RatesChanged);
}

void LoadedTaxTable::replaceFromFile(const TaxRateTable &slots)
{
    table_ = slots;
    undo_.clear();
    modified_ = false;
    changed(DocChange::What::RatesChanged);
}

void LoadedTaxTable::markLoaded()
{
    undo_.clear();
    setModified(false);
}

void LoadedTaxTable::setModified(bool modified)
{
    modified_ = modified;
    changed(DocChange::What::SavedChanged);
}

bool LoadedTaxTable::undoChange()
{
    if (!undo_.undo(table_))
        return false;
    changed(DocChange::What::RatesChanged);
    return true;
}

bool LoadedTaxTable::redoChange()
{
    if (!undo_.redo(table_))
        return false;
    changed(DocChange::What::RatesChanged);
    return true;
}
