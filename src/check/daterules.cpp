// The rules on dates and periods: trip dates inside the record's quarter, no trip line
// entered twice, the record's quarter the same as the loaded table's.

#include "check/checkrules.h"

#include "records/ciftadoc.h"

#include <cstring>
#include <functional>
#include <unordered_set>

namespace {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// A trip date as the record keeps it, "yyyy/mm/dd", when it names a day of the calendar.
bool ParseDate(const std::string &text, Date &date)
{
    if (text.size() != 10 || text[4] != '/' || text[7] != '/')
        return false;
    const auto number = [&text](size_t from, size_t length, int &value) {
        value = 0;
        for (size_t i = from; i < from + length; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return false;
            value = value * 10 + (text[i] - '0');
        }
        return true;
    };
    if (!number(0, 4, date.year) || !number(5, 2, date.month) || !number(8, 2, date.day))
        return false;
    return date.year > 0 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

std::string QuarterText(const TaxPeriod &period)
{
    return std::to_string(period.quarter) + "Q" + std::to_string(period.year);
}

// The first and last day of a quarter as "yyyy/mm/dd".
std::string DateText(int year, int month, int day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", year, month, day);
    return text;
}

// What is wrong with a trip date in `period`, or empty when nothing is.
std::string DateProblem(const std::string &text, const TaxPeriod &period)
{
    if (text.empty())
        return "The trip has no date";
    Date date;
    if (!ParseDate(text, date))
        return "The date " + text + " is not a real date";
    // A record without a valid quarter has nothing to compare the dates with; the period
    // rule reports the quarter itself.
    if (period.quarter < 1 || period.quarter > 4)
        return {};
    const int firstMonth = 3 * period.quarter - 2;
    if (date.year == period.year && date.month >= firstMonth && date.month < firstMonth + 3)
        return {};
    const int lastMonth = firstMonth + 2;
    return "The date " + text + " is outside " + QuarterText(period) + " (" +
           DateText(period.year, firstMonth, 1) + " to " +
           DateText(period.year, lastMonth, DaysInMonth(period.year, lastMonth)) + ")";
}

// Two lines are the same trip when date, jurisdiction, distance, fuel (each with its
// unit) and both odometer readings agree. The set holds positions into the entries.
struct SameTrip {
    const CIftaDoc::Entries *entries;

    size_t operator()(size_t i) const
    {
        const TripEntry &e = (*entries)[i];
        size_t h = std::hash<std::string>()(e.date);
        const auto mix = [&h](uint64_t v) {
            h ^= std::hash<uint64_t>()(v) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
        };
        mix(static_cast<uint64_t>(static_cast<uint32_t>(e.slot)) << 32 | e.distance);
        mix(static_cast<uint64_t>(EntryFuel(e)));
        mix(static_cast<uint64_t>(static_cast<uint32_t>(e.odometerIn)) << 32 |
            static_cast<uint32_t>(e.odometerOut));
        return h;
    }
    bool operator()(size_t a, size_t b) const
    {
        const TripEntry &x = (*entries)[a];
        const TripEntry &y = (*entries)[b];
        return x.slot == y.slot && x.distance == y.distance &&
               x.distanceInMiles == y.distanceInMiles && x.fuelInGallons == y.fuelInGallons &&
               EntryFuel(x) == EntryFuel(y) && x.odometerIn == y.odometerIn &&
               x.odometerOut == y.odometerOut && x.date == y.date;
    }
};

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
    const SameTrip same{&context.doc.entries()};
    std::unordered_set<size_t, SameTrip, SameTrip> seen(context.tripOrder.size() * 2, same, same);
    for (size_t position : context.tripOrder) {
        const auto inserted = seen.insert(position);
        if (inserted.second)
            continue;
        const TripEntry &line = context.entry(position);
        const TripEntry &first = context.entry(*inserted.first);
        out.push_back({CheckRule::DuplicateTrip, line.tripNumber, context.abbreviation(line.slot),
                       "Repeats trip " + std::to_string(first.tripNumber) +
                           ": the same date, jurisdiction, distance, fuel and odometers"});
    }
}

void CheckPeriodMismatch(const CheckContext &context, Findings &out)
{
    const TaxPeriod &record = context.doc.recordPeriod();
    const TaxPeriod &table = context.rates.period();
    if (record.year == table.year && record.quarter == table.quarter)
        return;
    out.push_back({CheckRule::PeriodMismatch, 0, std::string(),
                   "The record is for " + QuarterText(record) + ", the loaded tax-rate table for " +
                       QuarterText(table)});
}
