// Interest-rate tables (data/interest-rates.tsv) as the late-return computation reads
// them, then looked up month by month.

#include "fuzzinput.h"

#include "filing/interestratetable.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    InterestRateTable rates;
    if (!rates.parse(text)) {
        if (!rates.periods().empty())
            fuzzinput::Fail("a refused interest-rate table left periods behind");
        return 0;
    }
    for (const InterestPeriod &period : rates.periods()) {
        if (!period.first.isValid() || !period.last.isValid() || period.last < period.first)
            fuzzinput::Fail("an accepted period has impossible days");
        if (period.factor < Millionths{} || period.factor > Millionths{100000})
            fuzzinput::Fail("an accepted factor is negative or above 0.1 a month");
        Millionths factor;
        std::string missing;
        if (period.first.day == 1 && !rates.monthlyFactor(period.base, period.first.year,
                                                          period.first.month, factor, missing))
            fuzzinput::Fail("the first month of a period has no factor");
    }
    return 0;
}
