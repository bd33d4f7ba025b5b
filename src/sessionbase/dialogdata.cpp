#include "sessionbase/dialogdata.h"

#include "numbers/civildate.h"

CompanyInfo CompanyDialogData::DialogDefaults()
{
    CompanyInfo info;
    info.country = "Canada";
    info.provinceState = "QC";
    info.diesel = 0;
    info.gasoline = 0;
    info.useOdometer = 0;
    info.startOdometer = 0;
    return info;
}

CompanyDialogData CompanyDialogData::ForNewRecord(const CompanyInfo &previous)
{
    CompanyDialogData data;
    data.company.country = previous.country;
    data.company.provinceState = previous.provinceState;
    data.company.useOdometer = previous.useOdometer;
    data.company.diesel = previous.diesel;
    data.company.gasoline = previous.gasoline;
    data.fuelChoice = true;
    data.withPeriodDates = true;
    return data;
}

CompanyDialogData CompanyDialogData::ForProfile(const CompanyInfo &fromProfile)
{
    CompanyDialogData data;
    data.company = fromProfile;
    data.fuelChoice = true;
    data.withPeriodDates = true;
    return data;
}

CompanyDialogData CompanyDialogData::ForRecord(const CompanyInfo &company, bool hasEntries)
{
    CompanyDialogData data;
    data.company = company;
    data.withPeriodDates = true;
    data.fuelChoice = !hasEntries;
    return data;
}

void CompanyDialogData::datePeriodByQuarter(const TaxPeriod &quarter)
{
    CompanyInfo &c = company;
    if (!withPeriodDates || c.periodFrom.year != 0 || c.periodTo.year != 0 || quarter.year < 1 ||
        quarter.year > static_cast<int32_t>(kLatestValidYear) || quarter.quarter < 1 ||
        quarter.quarter > 4)
        return;
    const auto year = static_cast<uint16_t>(quarter.year);
    const auto lastMonth = static_cast<uint16_t>(quarter.quarter * 3);
    c.periodFrom = PeriodDate{year, static_cast<uint16_t>(lastMonth - 2), 1};
    c.periodTo = PeriodDate{year, lastMonth, static_cast<uint16_t>(DaysInMonth(year, lastMonth))};
}
