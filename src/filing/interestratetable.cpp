#include "filing/interestratetable.h"

#include "numbers/uitext.h"
#include "platform/safefile.h"

#include <algorithm>
#include <cstdio>

namespace {

const char kLayout[] = "BASE<TAB>FIRST-DAY<TAB>LAST-DAY<TAB>FACTOR";

// The tab-separated fields of one line.
std::vector<std::string> SplitTabs(const std::string &line)
{
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// The largest monthly factor taken: 10% a month is far above any rate ever charged, and
// keeps tax × factors within reach of 64 bits for any real return.
constexpr Millionths kLargestFactor{100000};

// A factor such as "0.007500": up to three whole digits, a point and one to six
// decimals (or no point), read exactly into millionths.
bool ParseFactor(const std::string &text, Millionths &factor)
{
    const size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string decimals =
        point == std::string::npos ? std::string() : text.substr(point + 1);
    if (whole.empty() || whole.size() > 3 || decimals.size() > 6)
        return false;
    if (point != std::string::npos && decimals.empty())
        return false;
    Millionths value;
    for (char c : whole + decimals + std::string(6 - decimals.size(), '0')) {
        if (c < '0' || c > '9')
            return false;
        value.units = value.units * 10 + (c - '0');
    }
    factor = value;
    return true;
}

std::string LineError(size_t number, const std::string &what)
{
    return UiArgs(UiText("InterestRateTable", "Line %1 of the interest-rate table: %2"),
                  {std::to_string(number), what});
}

// One period line, or the reason it is refused.
bool ParsePeriod(const std::string &line, InterestPeriod &period, std::string &why)
{
    const std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() != 4) {
        why = UiArgs(UiText("InterestRateTable", "expected %1"), {kLayout});
        return false;
    }
    if (fields[0] == "US") {
        period.base = InterestBase::US;
    } else if (fields[0] == "Canada") {
        period.base = InterestBase::Canada;
    } else {
        why = UiText("InterestRateTable", "the base must be US or Canada");
        return false;
    }
    if (!ParseIsoDate(fields[1], period.first) || !ParseIsoDate(fields[2], period.last)) {
        why = UiText("InterestRateTable", "the days must be real dates written YYYY-MM-DD");
        return false;
    }
    if (period.last < period.first) {
        why = UiText("InterestRateTable", "the last day comes before the first");
        return false;
    }
    if (!ParseFactor(fields[3], period.factor)) {
        why = UiText("InterestRateTable",
                     "the factor must be a number with at most six decimals, such as 0.007500");
        return false;
    }
    if (period.factor > kLargestFactor) {
        why = UiText("InterestRateTable",
                     "the factor is above 0.100000 (10% a month), more than any monthly interest");
        return false;
    }
    return true;
}

bool ByBaseAndFirstDay(const InterestPeriod &a, const InterestPeriod &b)
{
    if (a.base != b.base)
        return a.base < b.base;
    return a.first < b.first;
}

// A period as read, with its line number.
struct NumberedPeriod {
    InterestPeriod period;
    size_t line = 0;
};

// The line of a period that overlaps an earlier one of its base, 0 when none does.
// Sorted by base and first day, a period overlaps some period before it exactly when its
// first day is not after the latest last day before it: one pass after the sort, where
// comparing every pair took minutes for a table of a few hundred thousand periods. Of
// the pairs found, the later line is named, the earliest of them.
size_t OverlappingLine(std::vector<NumberedPeriod> numbered)
{
    std::sort(numbered.begin(), numbered.end(),
              [](const NumberedPeriod &a, const NumberedPeriod &b) {
                  return ByBaseAndFirstDay(a.period, b.period) ||
                         (!ByBaseAndFirstDay(b.period, a.period) && a.line < b.line);
              });
    size_t found = 0;
    const NumberedPeriod *latest = nullptr; // of the periods before, the one ending last
    for (const NumberedPeriod &p : numbered) {
        if (latest && latest->period.base == p.period.base &&
            p.period.first <= latest->period.last) {
            const size_t line = std::max(latest->line, p.line);
            found = found == 0 ? line : std::min(found, line);
        }
        if (!latest || latest->period.base != p.period.base || latest->period.last < p.period.last)
            latest = &p;
    }
    return found;
}

} // namespace

std::string FormatInterestPeriod(const InterestPeriod &period)
{
    char factor[32];
    std::snprintf(factor, sizeof factor, "%d.%06d", static_cast<int>(period.factor.units / 1000000),
                  static_cast<int>(period.factor.units % 1000000));
    return std::string(InterestBaseName(period.base)) + '\t' + FormatIsoDate(period.first) + '\t' +
           FormatIsoDate(period.last) + '\t' + factor;
}

bool ReadInterestFactor(const std::string &text, Millionths &factor)
{
    Millionths read;
    if (!ParseFactor(text, read) || read > kLargestFactor)
        return false;
    factor = read;
    return true;
}

InterestBase InterestBaseOf(const std::string &country)
{
    return country == "Canada" ? InterestBase::Canada : InterestBase::US;
}

const char *InterestBaseName(InterestBase base)
{
    return base == InterestBase::Canada ? "Canada" : "US";
}

Result InterestRateTable::parse(const std::string &text)
{
    std::vector<NumberedPeriod> numbered;
    size_t number = 0;
    // Notepad and other editors start a UTF-8 file with a byte-order mark.
    static const char kByteOrderMark[] = "\xEF\xBB\xBF";
    size_t start = text.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        InterestPeriod period;
        std::string why;
        if (!ParsePeriod(line, period, why))
            return Result::badFormat(LineError(number, why));
        numbered.push_back({period, number});
    }
    if (const size_t line = OverlappingLine(numbered)) {
        const auto at = std::find_if(numbered.begin(), numbered.end(),
                                     [line](const NumberedPeriod &p) { return p.line == line; });
        return Result::badFormat(LineError(
            line, UiArgs(UiText("InterestRateTable", "the period overlaps another %1 period"),
                         {InterestBaseName(at->period.base)})));
    }
    std::vector<InterestPeriod> periods;
    periods.reserve(numbered.size());
    for (const NumberedPeriod &p : numbered)
        periods.push_back(p.period);
    sorted_ = periods;
    std::sort(sorted_.begin(), sorted_.end(), ByBaseAndFirstDay);
    periods_ = std::move(periods);
    return Result::success();
}

Result InterestRateTable::read(const std::string &path)
{
    std::string text;
    const Result opened = SafeFile::readAll(path, text, SafeFile::kTableFileLimit);
    if (!opened)
        return Result::cannotOpen(opened.message);
    return parse(text);
}

bool InterestRateTable::monthlyFactor(InterestBase base, int32_t year, int32_t month,
                                      Millionths &factor, std::string &missing) const
{
    // The periods of a base do not overlap: the one holding the day is the last that
    // starts on or before it.
    InterestPeriod day;
    day.base = base;
    day.first = CivilDate{year, month, 1};
    const auto after = std::upper_bound(sorted_.begin(), sorted_.end(), day, ByBaseAndFirstDay);
    if (after != sorted_.begin()) {
        const InterestPeriod &period = *(after - 1);
        if (period.base == base && day.first <= period.last) {
            factor = period.factor;
            return true;
        }
    }
    char yearMonth[16];
    std::snprintf(yearMonth, sizeof yearMonth, "%04d-%02d", static_cast<int>(year),
                  static_cast<int>(month));
    missing = UiArgs(UiText("InterestRateTable",
                            "No interest factor for %1 %2: add it to the interest-rate table"),
                     {InterestBaseName(base), yearMonth});
    return false;
}

InterestPeriod InterestRateTable::periodToAdd(InterestBase base, int32_t year, int32_t month) const
{
    InterestPeriod period;
    period.base = base;
    if (base == InterestBase::US) {
        period.first = CivilDate{year, 1, 1};
        period.last = CivilDate{year, 12, 31};
    } else {
        const int32_t firstMonth = (month - 1) / 3 * 3 + 1;
        period.first = CivilDate{year, firstMonth, 1};
        period.last = CivilDate{year, firstMonth + 2, DaysInMonth(year, firstMonth + 2)};
    }
    // Periods of the table that reach into it from either side shorten it; the month
    // itself has no factor, so none covers it.
    const CivilDate day{year, month, 1};
    for (const InterestPeriod &other : sorted_) {
        if (other.base != base)
            continue;
        if (other.last < day && other.last >= period.first)
            period.first = other.last.plusDays(1);
        if (other.first > day && other.first <= period.last)
            period.last = other.first.plusDays(-1);
    }
    return period;
}
