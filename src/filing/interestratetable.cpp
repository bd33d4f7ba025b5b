#include "filing/interestratetable.h"

#include "platform/safefile.h"

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
    Millionths value = 0;
    for (char c : whole + decimals + std::string(6 - decimals.size(), '0')) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    factor = value;
    return true;
}

std::string LineError(size_t number, const std::string &what)
{
    return "Line " + std::to_string(number) + " of the interest-rate table: " + what;
}

// One period line, or the reason it is refused.
bool ParsePeriod(const std::string &line, InterestPeriod &period, std::string &why)
{
    const std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() != 4) {
        why = std::string("expected ") + kLayout;
        return false;
    }
    if (fields[0] == "US") {
        period.base = InterestBase::US;
    } else if (fields[0] == "Canada") {
        period.base = InterestBase::Canada;
    } else {
        why = "the base must be US or Canada";
        return false;
    }
    if (!ParseIsoDate(fields[1], period.first) || !ParseIsoDate(fields[2], period.last)) {
        why = "the days must be real dates written YYYY-MM-DD";
        return false;
    }
    if (period.last < period.first) {
        why = "the last day comes before the first";
        return false;
    }
    if (!ParseFactor(fields[3], period.factor)) {
        why = "the factor must be a number with at most six decimals, such as 0.007500";
        return false;
    }
    return true;
}

bool Overlaps(const InterestPeriod &a, const InterestPeriod &b)
{
    return a.base == b.base && a.first <= b.last && b.first <= a.last;
}

} // namespace

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
    std::vector<InterestPeriod> periods;
    size_t number = 0;
    size_t start = 0;
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
        for (const InterestPeriod &other : periods) {
            if (Overlaps(period, other))
                return Result::badFormat(
                    LineError(number, "the period overlaps another " +
                                          std::string(InterestBaseName(period.base)) + " period"));
        }
        periods.push_back(period);
    }
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
    const CivilDate first{year, month, 1};
    for (const InterestPeriod &period : periods_) {
        if (period.base == base && period.first <= first && first <= period.last) {
            factor = period.factor;
            return true;
        }
    }
    char text[120];
    std::snprintf(text, sizeof text,
                  "No interest factor for %s %04d-%02d: add it to the interest-rate table",
                  InterestBaseName(base), static_cast<int>(year), static_cast<int>(month));
    missing = text;
    return false;
}
