#pragma once

#include <cstdint>
#include <string>

// A calendar date as the record and profile headers store it: three 16-bit fields.
struct PeriodDate {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t day = 0;

    bool operator==(const PeriodDate &o) const
    {
        return year == o.year && month == o.month && day == o.day;
    }
};

// The quarter (1..4) and year that both period dates lie in; false when a date is unset
// or the two lie in different quarters.
inline bool PeriodDatesQuarter(const PeriodDate &from, const PeriodDate &to, int32_t &year,
                               int32_t &quarter)
{
    if (from.year == 0 || to.year == 0 || from.month < 1 || from.month > 12 || to.month < 1 ||
        to.month > 12)
        return false;
    const int32_t fromQuarter = (from.month - 1) / 3 + 1;
    if (to.year != from.year || (to.month - 1) / 3 + 1 != fromQuarter)
        return false;
    year = from.year;
    quarter = fromQuarter;
    return true;
}

// Fuel-type codes of record files and profiles.
enum FuelCode : uint32_t { FuelCodeDiesel = 1, FuelCodeGasoline = 2, FuelCodeNone = 255 };

// The carrier's identity and options in the open record file or in a user profile.
// Texts are Windows-1252 bytes; `maxLength` of each field is what the company dialog
// accepts, one byte less than its width in files.
struct CompanyInfo {
    std::string companyName;          // 47
    std::string address;              // 47
    std::string city;                 // 23
    std::string provinceState = "QC"; // 3 in the dialog, 24 bytes in files
    std::string country = "Canada";   // 23; "Canada" exactly selects km and litres
    std::string postalCode;           // 7
    std::string phone;                // 19
    std::string iftaNumber;           // 23
    std::string notes;                // 84 in the dialog, 128 bytes (84 in the older layout)
    int32_t startOdometer = 0;        // 0..10000000
    int32_t useOdometer = 0;
    PeriodDate periodFrom;
    PeriodDate periodTo;
    int32_t diesel = 1;
    int32_t gasoline = 0;

    // The fuel type as one file code: diesel wins over gasoline, neither gives 255.
    uint32_t fuelCode() const
    {
        return diesel ? FuelCodeDiesel : (gasoline ? FuelCodeGasoline : FuelCodeNone);
    }
    // Code 1 sets diesel only, code 2 gasoline only, any other clears both.
    void setFuelCode(uint32_t code)
    {
        diesel = code == FuelCodeDiesel ? 1 : 0;
        gasoline = code == FuelCodeGasoline ? 1 : 0;
    }
};
