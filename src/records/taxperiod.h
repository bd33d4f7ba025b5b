#pragma once

#include <cstdint>
#include <string>

// A reporting period: the record file's, or the loaded tax-rate table's.
struct TaxPeriod {
    int32_t year = 2005;
    int32_t quarter = 1;            // 1..4
    std::string country = "Canada"; // "Canada" or "US"

    bool operator==(const TaxPeriod &o) const
    {
        return year == o.year && quarter == o.quarter && country == o.country;
    }
};

// Highest year a record or profile header may carry; anything above (or a quarter
// above 4) reads as year 0, quarter 0.
constexpr uint32_t kLatestValidYear = 2099;
