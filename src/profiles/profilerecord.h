#pragma once

#include "records/companyinfo.h"

#include <cstdint>
#include <string>

// One user profile as the profiles file stores it. The dialogs and the document use the
// eight texts, the fuel type, the record index and the odometer flag; the other fields
// travel with the record unchanged.
struct ProfileRecord {
    uint32_t signature = 61475;
    PeriodDate periodFrom;
    PeriodDate periodTo;
    std::string companyName;
    std::string address;
    std::string city;
    std::string provinceState;
    std::string country;
    std::string postalCode;
    std::string phone;
    std::string iftaNumber;
    std::string notes;
    int32_t startOdometer = 0;
    int32_t year = 0;
    int32_t quarter = 0;
    int32_t fuelType = 0;    // 1 diesel, 2 gasoline, 0 none
    int32_t recordIndex = 0; // position in the file, from 0
    int32_t useOdometer = 0;
};
