#include "check/checkcontext.h"

#include "records/ciftadoc.h"
#include "records/units.h"

#include <algorithm>
#include <cstdlib>

CheckContext::CheckContext(const CIftaDoc &doc, const LoadedTaxTable &rates)
    : doc(doc)
    , rates(rates)
    , metric(IsCanada(doc.company().country))
    , figures(ReadQuarterFigures(doc))
    , tripOrder(OrdinaryLinesInTripOrder(doc.entries()))
{
}

const TripEntry &CheckContext::entry(size_t position) const
{
    return doc.entries()[position];
}

std::string CheckContext::abbreviation(int slot) const
{
    return TaxRateTable::isValidSlot(slot) ? rates.table()[slot].abbreviation : std::string();
}

std::string CheckContext::name(int slot) const
{
    return TaxRateTable::isValidSlot(slot) ? rates.table()[slot].name : std::string();
}

std::vector<size_t> OrdinaryLinesInTripOrder(const std::vector<TripEntry> &entries)
{
    std::vector<size_t> order;
    order.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].surcharge)
            order.push_back(i);
    }
    // Lines are kept numbered in record order, so the sort is almost never needed; a
    // record numbered otherwise is still walked by trip number.
    const auto byTrip = [&entries](size_t a, size_t b) {
        return entries[a].tripNumber < entries[b].tripNumber;
    };
    if (!std::is_sorted(order.begin(), order.end(), byTrip))
        std::stable_sort(order.begin(), order.end(), byTrip);
    return order;
}

std::string GroupedWhole(int64_t value)
{
    const bool negative = value < 0;
    std::string digits =
        std::to_string(negative ? -static_cast<uint64_t>(value) : static_cast<uint64_t>(value));
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

std::string GroupedHundredths(int64_t hundredths)
{
    const uint64_t magnitude =
        hundredths < 0 ? -static_cast<uint64_t>(hundredths) : static_cast<uint64_t>(hundredths);
    const uint64_t cents = magnitude % 100;
    std::string text = GroupedWhole(static_cast<int64_t>(magnitude / 100));
    text += '.';
    text += static_cast<char>('0' + cents / 10);
    text += static_cast<char>('0' + cents % 10);
    return hundredths < 0 ? "-" + text : text;
}

std::string RateText(int64_t tenThousandths)
{
    const uint64_t magnitude = tenThousandths < 0 ? -static_cast<uint64_t>(tenThousandths)
                                                  : static_cast<uint64_t>(tenThousandths);
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    const std::string text = std::to_string(magnitude / 10000) + "." + fraction;
    return tenThousandths < 0 ? "-" + text : text;
}
