// The rules on dates and periods: trip dates inside the record's quarter, no trip line
// entered twice, the record's quarter the same as the loaded table's, the table of the
// carrier's country, and the company's period dates in the record's quarter.

#include "check/checkrules.h"
#include "check/tablecountry.h"
#include "numbers/uitext.h"

#include "numbers/civildate.h"
#include "records/ciftadoc.h"

#include <cstring>
#include <vector>

namespace {

std::string QuarterText(const TaxPeriod &period)
{
    return UiArgs(UiText("CheckRules", "%1Q%2"),
                  {std::to_string(period.quarter), std::to_string(period.year)});
}

// What is wrong with a trip date in `period`, or empty when nothing is.
std::string DateProblem(const std::string &text, const TaxPeriod &period)
{
    if (text.empty())
        return UiText("CheckRules", "The trip has no date");
    CivilDate date;
    switch (ReadTripDate(text, date)) {
    case DateRead::Date:
        break;
    case DateRead::OutsideRange:
        return UiArgs(UiText("CheckRules", "The date %1 is outside the years %2 to %3"),
                      {text, std::to_string(kFirstYear), std::to_string(kLastYear)});
    case DateRead::NoDate:
        return UiArgs(UiText("CheckRules", "The date %1 is not a real date"), {text});
    }
    // A record without a valid quarter has nothing to compare the dates with; the period
    // rule reports the quarter itself.
    if (period.quarter < 1 || period.quarter > 4)
        return {};
    const int firstMonth = 3 * period.quarter - 2;
    if (date.year == period.year && date.month >= firstMonth && date.month < firstMonth + 3)
        return {};
    const int lastMonth = firstMonth + 2;
    return UiArgs(
        UiText("CheckRules", "The date %1 is outside %2 (%3 to %4)"),
        {text, QuarterText(period), FormatTripDate(CivilDate{period.year, firstMonth, 1}),
         FormatTripDate(CivilDate{period.year, lastMonth, DaysInMonth(period.year, lastMonth)})});
}

// Two lines are the same trip when date, jurisdiction, distance, fuel (each with its
// unit) and both odometer readings agree.
bool SameTrip(const TripEntry &x, const TripEntry &y)
{
    // Two trucks may drive the same day and distance in the same jurisdiction.
    return x.reservedText == y.reservedText && x.slot == y.slot && x.distance == y.distance &&
           x.distanceInMiles == y.distanceInMiles && x.fuelInGallons == y.fuelInGallons &&
           EntryFuel(x) == EntryFuel(y) && x.odometerIn == y.odometerIn &&
           x.odometerOut == y.odometerOut && x.date == y.date;
}

uint64_t Mix(uint64_t h, uint64_t v)
{
    h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    return h * 0xff51afd7ed558ccdull;
}

// A hash of what SameTrip compares.
uint64_t TripHash(const TripEntry &e)
{
    uint64_t h = 1469598103934665603ull;
    for (char c : e.date)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    for (char c : e.reservedText)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    h = Mix(h, static_cast<uint64_t>(static_cast<uint32_t>(e.slot)) << 32 | e.distance);
    h = Mix(h, static_cast<uint64_t>(EntryFuel(e)) << 2 |
                   static_cast<uint64_t>((e.distanceInMiles != 0) << 1 | (e.fuelInGallons != 0)));
    h = Mix(h, static_cast<uint64_t>(static_cast<uint32_t>(e.odometerIn)) << 32 |
                   static_cast<uint32_t>(e.odometerOut));
    return h;
}

// The ordinary lines' keys, hash above and place in trip order below, sorted by hash
// with a stable radix sort: lines of the same hash end up side by side, each group in
// trip order. Sequential passes keep a record of a million lines in the cache's reach,
// where a hash table would miss it on every line.
std::vector<uint64_t> SortedTripKeys(const CheckContext &context)
{
    const CIftaDoc::Entries &entries = context.doc.entries();
    const size_t count = context.tripOrder.size();
    std::vector<uint64_t> keys(count);
    for (size_t i = 0; i < count; ++i)
        keys[i] = (TripHash(entries[context.tripOrder[i]]) & 0xFFFFFFFF00000000ull) | i;
    std::vector<uint64_t> sorted(count);
    for (int shift = 32; shift < 64; shift += 8) {
        size_t start[257] = {};
        for (uint64_t key : keys)
            ++start[((key >> shift) & 0xFF) + 1];
        for (int b = 0; b < 256; ++b)
            start[b + 1] += start[b];
        for (uint64_t key : keys)
            sorted[start[(key >> shift) & 0xFF]++] = key;
        keys.swap(sorted);
    }
    return keys;
}

} // namespace

void CheckOutsideQuarter(const CheckContext &context, Findings &out)
{
    const TaxPeriod &period = context.doc.recordPeriod();
    for (size_t position : context.tripOrder) {
        const TripEntry &line = context.entry(position);
        std::string problem = DateProblem(line.date, period);
        if (!problem.empty())
            out.push_back({CheckRule::OutsideQuarter, line.tripNumber,
                           context.abbreviation(line.slot), std::move(problem)});
    }
}

void CheckDuplicateTrips(const CheckContext &context, Findings &out)
{
    const CIftaDoc::Entries &entries = context.doc.entries();
    const std::vector<uint64_t> keys = SortedTripKeys(context);
    const auto lineOf = [&](uint64_t key) -> const TripEntry & {
        return entries[context.tripOrder[static_cast<size_t>(key & 0xFFFFFFFFull)]];
    };
    // Within a group of one hash, each line is held against the distinct lines before it
    // (nearly always one): the first equal one is the trip it repeats.
    // The groups come in hash order; CheckQuarter lists the findings by trip.
    std::vector<const TripEntry *> distinct;
    for (size_t g = 0; g < keys.size();) {
        size_t end = g + 1;
        while (end < keys.size() && (keys[end] >> 32) == (keys[g] >> 32))
            ++end;
        distinct.clear();
        for (size_t j = g; j < end; ++j) {
            const TripEntry &line = lineOf(keys[j]);
            const TripEntry *first = nullptr;
            for (const TripEntry *earlier : distinct) {
                if (SameTrip(*earlier, line)) {
                    first = earlier;
                    break;
                }
            }
            if (!first) {
                distinct.push_back(&line);
                continue;
            }
            out.push_back(
                {CheckRule::DuplicateTrip, line.tripNumber, context.abbreviation(line.slot),
                 UiArgs(UiText("CheckRules", "Repeats trip %1: the same date, "
                                             "jurisdiction, distance, fuel and odometers"),
                        {std::to_string(first->tripNumber)})});
        }
        g = end;
    }
}

void CheckPeriodMismatch(const CheckContext &context, Findings &out)
{
    const TaxPeriod &record = context.doc.recordPeriod();
    const TaxPeriod &table = context.rates.period();
    if (record.year == table.year && record.quarter == table.quarter)
        return;
    out.push_back(
        {CheckRule::PeriodMismatch, 0, std::string(),
         UiArgs(UiText("CheckRules", "The record is for %1, the loaded tax-rate table for %2"),
                {QuarterText(record), QuarterText(table)})});
}

void CheckTableCountry(const CheckContext &context, Findings &out)
{
    const std::string &country = context.doc.company().country;
    if (!TableCountryDiffers(country, context.rates))
        return;
    out.push_back(
        {CheckRule::TableCountry, 0, std::string(), TableCountryText(country, context.rates)});
}

void CheckCompanyDates(const CheckContext &context, Findings &out)
{
    const CompanyInfo &company = context.doc.company();
    // A record without period dates prints the quarter's own days.
    if (company.periodFrom.year == 0 && company.periodTo.year == 0)
        return;
    const TaxPeriod &record = context.doc.recordPeriod();
    const std::string dates =
        UiArgs(UiText("CheckRules", "%1 to %2"),
               {FormatTripDate(CivilDate{company.periodFrom.year, company.periodFrom.month,
                                         company.periodFrom.day}),
                FormatTripDate(CivilDate{company.periodTo.year, company.periodTo.month,
                                         company.periodTo.day})});
    TaxPeriod dated = record;
    if (!PeriodDatesQuarter(company.periodFrom, company.periodTo, dated.year, dated.quarter)) {
        out.push_back(
            {CheckRule::CompanyDates, 0, std::string(),
             UiArgs(UiText("CheckRules", "The company's period %1 does not lie in one quarter"),
                    {dates})});
        return;
    }
    if (dated.year == record.year && dated.quarter == record.quarter)
        return;
    out.push_back(
        {CheckRule::CompanyDates, 0, std::string(),
         UiArgs(UiText("CheckRules", "The company's period %1 is in %2, the record is for %3"),
                {dates, QuarterText(dated), QuarterText(record)})});
}
