#include "views/centryflows.h"

#include "records/ciftadoc.h"
#include "records/entryresolver.h"
#include "records/taxlist.h"
#include "session/programstate.h"
#include "ui/userprompts.h"
#include "views/centrydlg.h"
#include "views/centrylistctrl.h"
#include "views/entryrules.h"

CEntryFlows::CEntryFlows(CIftaDoc &doc, ProgramState &state, UserPrompts &prompts,
                         CEntryListCtrl &list)
    : doc_(doc)
    , state_(state)
    , prompts_(prompts)
    , list_(list)
{
}

bool CEntryFlows::runDialog(TripEntry &entry, bool add, int useOdometerIn, int &useOdometerOut)
{
    EntryDialogData data;
    data.entry = entry;
    data.add = add;
    data.useOdometer = useOdometerIn;
    data.table = &doc_.taxTable();
    data.units = state_.entryUnits;
    // The record's quarter is known once a table gave it or a file was read.
    const TaxPeriod &quarter = doc_.recordPeriod();
    if (IsTaxTableLoaded(doc_.taxTable()) || !doc_.sourcePath().empty()) {
        data.quarterYear = quarter.year;
        data.quarter = quarter.quarter;
        if (add && data.entry.date.empty())
            data.entry.date = QuarterFirstDay(quarter.year, quarter.quarter);
    }
    const bool ok = prompts_.editEntry(data);
    // However the dialog closed, its unit buttons give the units of the next entry.
    state_.entryUnits = data.units;
    if (!ok || data.abbreviation.empty())
        return false;
    entry = data.entry;
    useOdometerOut = data.useOdometer;
    if (IsTaxTableLoaded(doc_.taxTable()))
        ResolveEntry(entry, data.abbreviation, doc_.taxTable(), doc_.isDiesel(), state_.entryUnits);
    else
        ResolveBuiltInEntry(entry, data.abbreviation, state_.entryUnits);
    return true;
}

int CEntryFlows::AddEntry()
{
    doc_.takeSnapshot();
    TripEntry entry = doc_.prepareNewEntry(state_.lastNewEntryUnits);
    entry.reservedText = state_.lastUnitNumber;
    int useOdometer = doc_.company().useOdometer;
    if (!runDialog(entry, true, doc_.company().useOdometer, useOdometer))
        return -1;
    doc_.addEntry(entry);
    int row = list_.entryAppended();
    state_.lastNewEntryUnits = EntryUnits{entry.distanceInMiles, entry.fuelInGallons};
    state_.lastUnitNumber = entry.reservedText;
    doc_.setUseOdometer(useOdometer != 0);

    std::optional<TripEntry> surcharge = doc_.surchargeFollowUp(entry);
    if (!surcharge || !prompts_.askYesNo(AddSurchargeQuestion(doc_.taxTable()[entry.slot].name)))
        return row;
    int ignored = 0;
    if (runDialog(*surcharge, true, 0, ignored)) {
        doc_.addSurchargeEntry(*surcharge);
        row = list_.entryAppended();
    }
    return row;
}

bool CEntryFlows::ModifyEntry(int row)
{
    return ModifyEntryAt(list_.entryAtRow(row));
}

bool CEntryFlows::ModifyEntryAt(int position)
{
    if (position < 0 || static_cast<size_t>(position) >= doc_.entries().size())
        return false; // no trip line of this record
    doc_.takeSnapshot();
    TripEntry entry = doc_.entries()[static_cast<size_t>(position)];
    state_.entryUnits = EntryUnits{entry.distanceInMiles, entry.fuelInGallons};
    int useOdometer = doc_.company().useOdometer;
    if (!runDialog(entry, false, doc_.company().useOdometer, useOdometer))
        return false;
    doc_.setUseOdometer(useOdometer != 0);
    doc_.modifyEntry(static_cast<size_t>(position), entry);
    list_.entriesChanged();
    return true;
}

bool CEntryFlows::DeleteEntry(int row)
{
    if (row < 0 || row >= list_.rowCount() || !prompts_.askYesNo(kDeleteItemQuestion))
        return false;
    doc_.takeSnapshot();
    const int position = list_.entryAtRow(row);
    if (position >= 0)
        doc_.deleteEntry(static_cast<size_t>(position));
    list_.Fill();
    return position >= 0;
}

bool CEntryFlows::Undo()
{
    return doc_.undoEntries();
}

bool CEntryFlows::Redo()
{
    return doc_.redoEntries();
}
