#pragma once

#include "numbers/fixeddecimal.h"

#include <cstdint>
#include <string>

// One slot of the tax-rate table: a jurisdiction (or a surcharge pseudo-jurisdiction
// such as "KY Surcharge") with its rates per litre or per US gallon.
struct TaxRate {
    std::string name;
    std::string abbreviation;
    TenThousandths dieselRate;
    TenThousandths gasolineRate;
    int32_t surcharge = 0;
    int32_t slot = 0;

    bool operator==(const TaxRate &o) const
    {
        return name == o.name && abbreviation == o.abbreviation && dieselRate == o.dieselRate &&
               gasolineRate == o.gasolineRate && surcharge == o.surcharge && slot == o.slot;
    }
};
