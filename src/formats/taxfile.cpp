#include "formats/taxfile.h"

#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"
#include "numbers/uitext.h"
#include "platform/safefile.h"
#include "platform/textencoding.h"

#include <cstring>

namespace {

constexpr const char kTaxHead[] = "#TAXHEAD#";

// Walks a text line by line; a line feed or a carriage return ends a line (so CR LF gives
// an empty line after each line, which the reader skips).
class LineReader
{
public:
    explicit LineReader(const std::string &text) : p_(text.data()), end_(p_ + text.size()) {}

    bool next(const char *&begin, const char *&end)
    {
        if (p_ >= end_)
            return false;
        begin = p_;
        while (p_ < end_ && *p_ != '\n' && *p_ != '\r')
            ++p_;
        end = p_;
        if (p_ < end_)
            ++p_;
        return true;
    }

private:
    const char *p_;
    const char *end_;
};

// The text from `p` up to the next tab (or the end), and `p` moved past that tab.
std::string takeField(const char *&p, const char *end)
{
    const char *tab = static_cast<const char *>(std::memchr(p, '\t', static_cast<size_t>(end - p)));
    const char *fieldEnd = tab ? tab : end;
    std::string field(p, fieldEnd);
    p = tab ? tab + 1 : end;
    return field;
}

// The end of the first `n` characters from `p`, never past `end`.
const char *firstChars(const char *p, const char *end, long n)
{
    return end - p < n ? end : p + n;
}

// Position just after the n-th tab of [begin, end), or null when the line has fewer.
const char *afterTab(const char *begin, const char *end, int n)
{
    const char *p = begin;
    for (int i = 0; i < n; ++i) {
        p = static_cast<const char *>(std::memchr(p, '\t', static_cast<size_t>(end - p)));
        if (!p)
            return nullptr;
        ++p;
    }
    return p;
}

// The header keeps the year in the four characters after the first tab and the quarter
// in the one character after the second; a two-digit year "06" therefore reads as 6.
void parseHeader(const char *begin, const char *end, TaxPeriod &period)
{
    const char *year = afterTab(begin, end, 1);
    const char *quarter = afterTab(begin, end, 2);
    const char *country = afterTab(begin, end, 3);
    period.year = year ? TextToInt(year, firstChars(year, end, 4)) : 0;
    period.quarter = quarter ? TextToInt(quarter, firstChars(quarter, end, 1)) : 0;
    period.country = country ? takeField(country, end) : std::string();
}

// The highest rate a table may hold, in ten-thousandths: no tax passes 10 a unit.
constexpr int64_t kHighestRate = 100000;

bool rateInRange(TenThousandths rate)
{
    return rate.units >= 0 && rate.units <= kHighestRate;
}

void parseSlot(const char *p, const char *end, TaxRate &rate)
{
    rate.name = takeField(p, end);
    rate.abbreviation = takeField(p, end);
    rate.dieselRate = TextToDecimal<4>(takeField(p, end));
    rate.gasolineRate = TextToDecimal<4>(takeField(p, end));
    // The flag is the first character of what follows, whatever comes after it.
    rate.surcharge = TextToInt(p, firstChars(p, end, 1));
}

// Texts of a slot may not hold the tab and line ends that delimit the file's fields.
void appendField(std::string &out, const std::string &text)
{
    for (char c : text)
        out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    out += '\t';
}

} // namespace

Result ParseTaxText(const std::string &text, TaxRateTable &table, TaxPeriod &period)
{
    LineReader lines(text);
    const char *begin = nullptr;
    const char *end = nullptr;
    const size_t headLength = sizeof kTaxHead - 1;
    if (!lines.next(begin, end) || static_cast<size_t>(end - begin) < headLength ||
        std::memcmp(begin, kTaxHead, headLength) != 0)
        return Result::badFormat(kWrongTaxFileFormat);
    TaxPeriod readPeriod = period;
    parseHeader(begin, end, readPeriod);

    // A file written by the program has exactly 72 slot lines; anything after them has
    // no slot to go to and is passed over, with a note. Lines count as a text editor
    // counts them (a CR LF is one line end).
    TaxRateTable read = table;
    int slot = 0;
    int lineNumber = 1;
    bool extraLines = false;
    const char *previousEnd = end;
    while (lines.next(begin, end)) {
        const bool crlf = begin == previousEnd + 1 && previousEnd[0] == '\r' && begin[0] == '\n';
        previousEnd = end;
        if (begin == end) {
            if (!crlf && begin != text.data() + text.size())
                ++lineNumber;
            continue;
        }
        ++lineNumber;
        if (slot == TaxRateTable::kSlotCount) {
            extraLines = true;
            break;
        }
        TaxRate &rate = read[slot];
        parseSlot(begin, end, rate);
        if (!rateInRange(rate.dieselRate) || !rateInRange(rate.gasolineRate))
            return Result::badFormat(
                UiArgs(UiText("TaxFile",
                              "The tax rate on line %1 is not between 0 and 10. Tax not loaded."),
                       {std::to_string(lineNumber)}));
        rate.slot = slot;
        ++slot;
    }
    table = read;
    period = readPeriod;
    if (extraLines)
        return Result{Result::Status::Ok, kExtraSlotLines};
    return Result::success();
}

std::string FormatTaxText(const TaxRateTable &table, const TaxPeriod &period)
{
    std::string out = kTaxHead;
    out += '\t';
    AppendInt(out, period.year);
    out += '\t';
    AppendInt(out, period.quarter);
    out += '\t';
    appendField(out, period.country);
    out += '\n';
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        const TaxRate &rate = table[slot];
        appendField(out, rate.name);
        appendField(out, rate.abbreviation);
        AppendDecimal(out, rate.dieselRate.units, 4);
        out += '\t';
        AppendDecimal(out, rate.gasolineRate.units, 4);
        out += '\t';
        AppendInt(out, rate.surcharge);
        out += "\t\n";
    }
    return out;
}

Result ReadTaxFile(const std::string &path, TaxRateTable &table, TaxPeriod &period)
{
    std::string text;
    const Result read = SafeFile::readAll(path, text, SafeFile::kTableFileLimit);
    if (!read)
        return read;
    // A table is read only when it is one: a file with no jurisdiction, or without the
    // year and quarter of its header, would set every trip's rate to 0 and the record's
    // period to 0Q0 at the next Save/Update Tax Rates.
    const std::string cp1252 = TextFileToCp1252(text);
    TaxRateTable named;
    TaxPeriod readPeriod;
    if (const Result parsed = ParseTaxText(cp1252, named, readPeriod); !parsed)
        return parsed;
    if (readPeriod.year <= 0 || readPeriod.quarter < 1 || readPeriod.quarter > 4)
        return Result::badFormat(
            UiArgs(UiText("TaxFile",
                          "The tax-rate file has no year and quarter after %1. Tax not loaded."),
                   {kTaxHead}));
    if (named.usedCount() == 0)
        return Result::badFormat(
            UiText("TaxFile", "The tax-rate file names no jurisdiction. Tax not loaded."));
    return ParseTaxText(cp1252, table, period);
}

Result WriteTaxFile(const std::string &path, const TaxRateTable &table, const TaxPeriod &period)
{
    return SafeFile::writeAll(path, FormatTaxText(table, period));
}
