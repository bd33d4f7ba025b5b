#include "check/checkcontext.h"

#include "records/ciftadoc.h"
#include "records/units.h"

#include <algorithm>

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
