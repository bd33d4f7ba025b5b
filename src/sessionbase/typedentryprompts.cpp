#include "sessionbase/typedentryprompts.h"

#include "records/taxratetable.h"
#include "sessionbase/dialogdata.h"

TypedEntryPrompts::TypedEntryPrompts(SessionPrompts &inner, Answer answer)
    : inner_(inner)
    , answer_(std::move(answer))
{
}

void TypedEntryPrompts::warn(const std::string &text)
{
    inner_.warn(text);
}

void TypedEntryPrompts::inform(const std::string &text)
{
    inner_.inform(text);
}

bool TypedEntryPrompts::askYesNo(const std::string &text)
{
    return inner_.askYesNo(text);
}

SessionPrompts::Answer TypedEntryPrompts::askYesNoCancel(const std::string &text)
{
    return inner_.askYesNoCancel(text);
}

std::string TypedEntryPrompts::openFileName(const std::string &filter)
{
    return inner_.openFileName(filter);
}

std::vector<std::string> TypedEntryPrompts::openFileNames(const std::string &filter)
{
    return inner_.openFileNames(filter);
}

std::string TypedEntryPrompts::saveFileName(const std::string &filter, const std::string &proposal)
{
    return inner_.saveFileName(filter, proposal);
}

bool TypedEntryPrompts::editEntry(EntryDialogData &data)
{
    return answer_ && answer_(data);
}

bool TypedEntryPrompts::editTaxRate(TaxRate &rate, bool newRate)
{
    return inner_.editTaxRate(rate, newRate);
}

SessionPrompts::CompanyResult TypedEntryPrompts::editCompany(CompanyDialogData &data,
                                                             CProfileStore *store)
{
    return inner_.editCompany(data, store);
}

bool TypedEntryPrompts::chooseProfile(CProfileStore &store, ProfileRecord &selected)
{
    return inner_.chooseProfile(store, selected);
}

bool TypedEntryPrompts::chooseImport(ImportDialogData &data)
{
    return inner_.chooseImport(data);
}

bool TypedEntryPrompts::chooseMergeFiles(MergeDialogData &data)
{
    return inner_.chooseMergeFiles(data);
}

bool TypedEntryPrompts::chooseVersion(VersionDialogData &data)
{
    return inner_.chooseVersion(data);
}

bool TypedEntryPrompts::editTaxPeriod(TaxPeriod &period)
{
    return inner_.editTaxPeriod(period);
}

bool TypedEntryPrompts::editPreferences(PreferencesData &data)
{
    return inner_.editPreferences(data);
}

bool TypedEntryPrompts::editFilingDate(FilingDialogData &data)
{
    return inner_.editFilingDate(data);
}

SessionPrompts::RecoveryAnswer TypedEntryPrompts::askRecover(const std::string &text)
{
    return inner_.askRecover(text);
}

bool AcceptOfferedEntry(EntryDialogData &data)
{
    const TripEntry &e = data.entry;
    if (!data.table || !TaxRateTable::isValidSlot(e.slot))
        return false;
    data.abbreviation = (*data.table)[e.slot].abbreviation;
    data.units = EntryUnits{e.distanceInMiles, e.fuelInGallons};
    return !data.abbreviation.empty();
}
