#include "records/ciftadoc.h"

#include "records/entryresolver.h"

TaxRateTable &TheTaxRateTable()
{
    static TaxRateTable table;
    return table;
}

CIftaDoc::CIftaDoc(TaxRateTable *table)
    : taxTable_(table ? table : &TheTaxRateTable())
{
}

void CIftaDoc::appendEntry(const TripEntry &entry)
{
    entries.push_back(entry);
    modified_ = true;
}

void CIftaDoc::replaceEntry(size_t index, const TripEntry &entry)
{
    if (index < entries.size()) {
        entries[index] = entry;
        modified_ = true;
    }
}

void CIftaDoc::removeAllEntries()
{
    entries.clear();
}

void CIftaDoc::ClearCompany()
{
    const int32_t diesel = company.diesel;
    const int32_t gasoline = company.gasoline;
    const int32_t useOdometer = company.useOdometer;
    company = CompanyInfo{};
    company.useOdometer = useOdometer;
    company.provinceState.clear();
    company.country.clear();
    company.diesel = diesel;
    company.gasoline = gasoline;
    currentOdometer = 0;
}

void CIftaDoc::UpdateRatesFromTable()
{
    const TaxRateTable &table = taxTable();
    for (TripEntry &entry : entries) {
        if (!TaxRateTable::isValidSlot(entry.slot))
            continue;
        const TaxRate &rate = table[entry.slot];
        entry.rate = SlotRate(rate, isDiesel());
        entry.surcharge = rate.surcharge;
    }
    recordPeriod.year = tablePeriod.year;
    recordPeriod.quarter = tablePeriod.quarter;
    modified_ = true;
}
