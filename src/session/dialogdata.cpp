#include "session/dialogdata.h"

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
