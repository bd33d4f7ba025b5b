#include "session/ceditsession.h"

#include "numbers/civildate.h"
#include "numbers/uitext.h"
#include "records/ciftadoc.h"
#include "records/entryresolver.h"
#include "records/taxlist.h"
#include "sessionbase/dialogdata.h"
#include "sessionbase/odometerrule.h"
#include "sessionbase/programstate.h"
#include "sessionbase/sessionprompts.h"
#include "sessionbase/tripclipboard.h"

namespace {

// The first day of a quarter ("2026/04/01" for 2026 Q2), as the entry dialog's picker
// takes it; empty for a year outside the date range or no quarter.
std::string QuarterFirstDay(int year, int quarter)
{
    const CivilDate first{year, (quarter - 1) * 3 + 1, 1};
    if (quarter < 1 || quarter > 4 || !first.isValid())
        return {};
    return FormatTripDate(first);
}

} // namespace

std::string AddSurchargeQuestion(const std::string &jurisdiction)
{
    return UiArgs(
        UiText("CEditSession", "%1 has a separate surcharge. Add the surcharge line too?"),
        {jurisdiction});
}

std::string UnknownJurisdictionMessage(const std::string &abbreviation)
{
    return UiArgs(UiText("CEditSession", "No jurisdiction of the tax-rate table is called \"%1\"."),
                  {abbreviation});
}

CEditSession::CEditSession(CIftaDoc &doc, ProgramState &state, SessionPrompts &prompts)
    : doc_(doc)
    , state_(state)
    , prompts_(prompts)
{
}

LoadedTaxTable &CEditSession::rates()
{
    return doc_.rates();
}

bool CEditSession::settleReadings(const TripEntry &before, TripEntry &edited, bool useOdometer,
                                  bool add)
{
    if (SettleOdometer(before, edited, useOdometer, add) != OdometerOutcome::Disagree)
        return true;
    switch (prompts_.askYesNoCancel(OdometerQuestion(edited))) {
    case SessionPrompts::Answer::Yes:
        if (KeepDistance(edited))
            return true;
        prompts_.warn(kOdometerTooLarge);
        return false;
    case SessionPrompts::Answer::No:
        KeepReadings(edited);
        return true;
    case SessionPrompts::Answer::Cancel:
        break;
    }
    return false;
}

bool CEditSession::runEntryDialog(TripEntry &entry, bool add, int useOdometerIn,
                                  int &useOdometerOut, bool settleOdometer)
{
    const TaxRateTable &table = doc_.taxTable();
    EntryDialogData data;
    data.entry = entry;
    data.add = add;
    data.useOdometer = useOdometerIn;
    data.table = &table;
    data.units = state_.entryUnits;
    // The record's quarter: a table's, a file's, or for a new record without either the
    // quarter of the day it was made. A new record's first trip starts on its first day.
    const TaxPeriod &quarter = doc_.recordPeriod();
    if (quarter.year > 0 && quarter.quarter >= 1 && quarter.quarter <= 4) {
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
    TripEntry edited = data.entry;
    if (settleOdometer && !settleReadings(entry, edited, data.useOdometer != 0, add))
        return false;
    const bool resolved =
        IsTaxTableLoaded(table)
            ? ResolveEntry(edited, data.abbreviation, table, doc_.isDiesel(), state_.entryUnits)
            : ResolveBuiltInEntry(edited, data.abbreviation, state_.entryUnits);
    if (!resolved) {
        // The dialog lists only known jurisdictions; a script may name any.
        prompts_.warn(UnknownJurisdictionMessage(data.abbreviation));
        return false;
    }
    // A line modified in its own jurisdiction keeps the rate it carries (a rate edited
    // and applied with Save/Update Tax Rates may differ from the table's now); only a
    // new line or another jurisdiction takes the table's.
    if (!add && edited.slot == entry.slot) {
        edited.rate = entry.rate;
        edited.surcharge = entry.surcharge;
    }
    entry = edited;
    useOdometerOut = data.useOdometer;
    return true;
}

int CEditSession::addTrip()
{
    TripEntry entry = doc_.prepareNewEntry(doc_.newEntryUnits());
    entry.reservedText = state_.lastUnitNumber;
    int useOdometer = doc_.company().useOdometer;
    if (!runEntryDialog(entry, true, doc_.company().useOdometer, useOdometer))
        return -1;
    doc_.addEntry(entry);
    int position = static_cast<int>(doc_.entries().size()) - 1;
    state_.lastUnitNumber = entry.reservedText;
    if (doc_.usesOdometer() != (useOdometer != 0))
        doc_.setUseOdometer(useOdometer != 0);

    std::optional<TripEntry> surcharge = doc_.surchargeFollowUp(entry);
    if (!surcharge || !prompts_.askYesNo(AddSurchargeQuestion(doc_.taxTable()[entry.slot].name)))
        return position;
    // The surcharge line repeats its trip's distance and readings as offered.
    int ignored = 0;
    if (runEntryDialog(*surcharge, true, 0, ignored, false)) {
        doc_.addSurchargeEntry(*surcharge);
        position = static_cast<int>(doc_.entries().size()) - 1;
    }
    return position;
}

bool CEditSession::modifyTrip(int position)
{
    if (position < 0 || static_cast<size_t>(position) >= doc_.entries().size())
        return false; // no trip line of this record
    TripEntry entry = doc_.entries()[static_cast<size_t>(position)];
    state_.entryUnits = EntryUnits{entry.distanceInMiles, entry.fuelInGallons};
    int useOdometer = doc_.company().useOdometer;
    if (!runEntryDialog(entry, false, doc_.company().useOdometer, useOdometer))
        return false;
    if (doc_.usesOdometer() != (useOdometer != 0))
        doc_.setUseOdometer(useOdometer != 0);
    doc_.modifyEntry(static_cast<size_t>(position), entry);
    return true;
}

bool CEditSession::deleteTrip(int position)
{
    if (position < 0 || static_cast<size_t>(position) >= doc_.entries().size())
        return false;
    if (!prompts_.askYesNo(kDeleteItemQuestion))
        return false;
    doc_.deleteEntry(static_cast<size_t>(position));
    return true;
}

bool CEditSession::undoTrips()
{
    return doc_.undoEntries();
}

bool CEditSession::redoTrips()
{
    return doc_.redoEntries();
}

size_t CEditSession::pasteTrips(std::string_view text)
{
    return PasteTripsText(doc_, prompts_, text);
}

bool CEditSession::modifyRate(int slot)
{
    const TaxRateTable &table = doc_.taxTable();
    if (slot < 0 || slot >= ShownTaxSlotCount(table))
        return false;
    TaxRate edited = table[slot];
    if (!prompts_.editTaxRate(edited, false))
        return false;
    return rates().modifySlot(slot, edited);
}

int CEditSession::addRate()
{
    const int slot = ShownTaxSlotCount(doc_.taxTable());
    // The table has no slot after the 72nd: refuse rather than write past it.
    if (slot >= TaxRateTable::kSlotCount) {
        prompts_.warn(kTaxTableFull);
        return -1;
    }
    TaxRate rate;
    rate.slot = slot;
    if (!prompts_.editTaxRate(rate, true))
        return -1;
    return rates().addSlot(slot, rate) ? slot : -1;
}

bool CEditSession::undoRates()
{
    return rates().undoChange();
}

bool CEditSession::redoRates()
{
    return rates().redoChange();
}
