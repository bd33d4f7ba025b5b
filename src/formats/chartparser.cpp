#include "formats/chartparser.h"

#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"
#include "numbers/uitext.h"
#include "platform/textencoding.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string TrimTrailingBlanks(std::string text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.pop_back();
    return text;
}

std::string Upper(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool StartsWith(const std::string &text, const std::string &head)
{
    return text.compare(0, head.size(), head) == 0;
}

// The name without trailing blanks and footnote markers ("ALBERTA #14", "INDIANA SurChg
// #31"): a '#' followed by digits at the end.
std::string StripFootnote(std::string name)
{
    name = TrimTrailingBlanks(std::move(name));
    for (;;) {
        size_t digits = name.size();
        while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])))
            --digits;
        if (digits == name.size() || digits == 0 || name[digits - 1] != '#')
            return name;
        name = TrimTrailingBlanks(name.substr(0, digits - 1));
    }
}

// A line is a surcharge line when "SURCHG" or "SURCHARGE" stands in it as a word,
// wherever it stands ("KENTUCKY SURCHARGE (a)", "SURCHARGE - VIRGINIA").
bool IsSurchargeName(const std::string &upperName)
{
    size_t i = 0;
    while (i < upperName.size()) {
        while (i < upperName.size() && !std::isalnum(static_cast<unsigned char>(upperName[i])))
            ++i;
        size_t end = i;
        while (end < upperName.size() && std::isalnum(static_cast<unsigned char>(upperName[end])))
            ++end;
        const size_t length = end - i;
        if ((length == 6 && upperName.compare(i, length, "SURCHG") == 0) ||
            (length == 9 && upperName.compare(i, length, "SURCHARGE") == 0))
            return true;
        i = end;
    }
    return false;
}

// The slots that carry a surcharge pseudo-jurisdiction: flagged, or named so.
bool IsSurchargeSlot(const TaxRate &rate, const std::string &upperName)
{
    return rate.surcharge != 0 || IsSurchargeName(upperName);
}

std::string SurchargeSlotName(const std::string &upperName)
{
    static const struct {
        const char *state;
        const char *slot;
    } kRenames[] = {
        {"KENTUCKY", "KY Surcharge"}, {"INDIANA", "IN Surcharge"},  {"VIRGINIA", "VA Surcharge"},
        {"OHIO", "OH Surcharge"},     {"MICHIGAN", "MI Surcharge"},
    };
    const size_t blank = upperName.find(' ');
    const std::string firstWord =
        blank == std::string::npos ? std::string() : upperName.substr(0, blank);
    for (const auto &rename : kRenames) {
        if (firstWord == rename.state)
            return Upper(rename.slot);
    }
    return upperName;
}

// Walks the chart from the front. "Dropping through" a string moves past its first
// occurrence (or nowhere when it does not occur); "the field up to" a string is the text
// before its first occurrence.
class ChartWalker
{
public:
    ChartWalker(const std::string &text, char separator) : text_(text), sep_(separator) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    // The line the walk is on, counted from 1.
    size_t lineNumber() const
    {
        return 1 + static_cast<size_t>(std::count(
                       text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(pos_), '\n'));
    }

    // Moves past the next `c`; true when there was one. Without one the walk is at its end,
    // so that a last line without a line end still ends the walk.
    bool dropThrough(char c)
    {
        const size_t found = text_.find(c, pos_);
        pos_ = found == std::string::npos ? text_.size() : found + 1;
        return found != std::string::npos;
    }

    // The next name: the field up to the separator (which may reach over line ends) without
    // leading blanks, and on a comma chart without the cell's quotes. Empty when there is
    // no separator left. A field longer than any name is cut to kLongestName bytes, so
    // that lines without a separator do not each copy the rest of the text.
    std::string nameField()
    {
        const size_t found = nextSeparator();
        if (found == std::string::npos)
            return {};
        size_t begin = pos_;
        while (begin < found && IsBlank(text_[begin]))
            ++begin;
        std::string name = text_.substr(begin, std::min(found - begin, kLongestName));
        if (sep_ == ',' && name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = name.substr(1, name.size() - 2);
        return name;
    }

    // The amount after the next "$": its decimal value up to the separator. A rate that is
    // the last cell of the text reads up to the end.
    // "$-" (no tax) reads as 0; more than four decimals round half up.
    TenThousandths amount()
    {
        if (!dropThrough('$'))
            return TenThousandths{};
        size_t end = nextSeparator();
        if (end == std::string::npos)
            end = text_.size();
        return TextToDecimal<4>(text_.data() + pos_, text_.data() + end);
    }

    // The title line (up to the line end or the end of the text), then past it.
    std::string takeLine()
    {
        size_t end = text_.find('\n', pos_);
        if (end == std::string::npos)
            end = text_.size();
        std::string line = text_.substr(pos_, end - pos_);
        pos_ = end == text_.size() ? end : end + 1;
        return line;
    }

private:
    static constexpr size_t kLongestName = 128;

    // The first separator at or after the walk's position. The walk only moves forward,
    // so the one found last stays the answer until the walk passes it: every byte of the
    // text is looked at once, however many lines lack a separator.
    size_t nextSeparator()
    {
        if (!sepKnown_ || (sepAt_ != std::string::npos && sepAt_ < pos_)) {
            sepAt_ = text_.find(sep_, pos_);
            sepKnown_ = true;
        }
        return sepAt_;
    }

    const std::string &text_;
    const char sep_;
    size_t pos_ = 0;
    size_t sepAt_ = std::string::npos;
    bool sepKnown_ = false;
};

// The chart's form from its lines: the separator found on more of the lines after the
// title, so that a tab in one footnote does not turn a comma chart into a tab chart (nor
// a comma in a note a tab chart into a comma one). A chart with neither is a tab chart.
char ChartSeparator(const std::string &text)
{
    size_t tabLines = 0, commaLines = 0;
    size_t begin = text.find('\n');
    while (begin != std::string::npos && begin < text.size()) {
        size_t end = text.find('\n', begin + 1);
        const size_t stop = end == std::string::npos ? text.size() : end;
        bool tab = false, comma = false;
        for (size_t i = begin + 1; i < stop; ++i) {
            tab = tab || text[i] == '\t';
            comma = comma || text[i] == ',';
        }
        tabLines += tab ? 1 : 0;
        commaLines += comma ? 1 : 0;
        begin = end;
    }
    // A title line alone decides by itself.
    if (tabLines == 0 && commaLines == 0) {
        const size_t titleEnd = std::min(text.find('\n'), text.size());
        const std::string title = text.substr(0, titleEnd);
        return title.find('\t') == std::string::npos && title.find(',') != std::string::npos ? ','
                                                                                             : '\t';
    }
    return commaLines > tabLines ? ',' : '\t';
}

// Line ends as one "\n", UTF-8 (with or without its byte-order mark) as the program's
// single-byte text.
std::string Normalise(const std::string &raw)
{
    const std::string text = TextFileToCp1252(raw);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

// A rate the table may hold: 0 to 10 a unit, as the tax-rate file requires.
bool RateInRange(TenThousandths rate)
{
    return rate.units >= 0 && rate.units <= 100000;
}

// Quarter: the title's first character; year: from the first "2" after it.
void ReadTitle(const std::string &title, const std::string &country, TaxPeriod &period)
{
    period.quarter = title.empty() ? 0 : TextToInt(title.substr(0, 1));
    std::string rest = title.empty() ? std::string() : title.substr(1);
    const size_t two = rest.find('2');
    if (two != std::string::npos)
        rest = rest.substr(two);
    period.year = TextToInt(rest);
    period.country = country;
}

} // namespace

namespace {

// The slots' names as the lookup compares them, worked out once for a whole chart.
struct SlotNames {
    explicit SlotNames(const TaxRateTable &table)
    {
        for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
            upper[slot] = Upper(TrimTrailingBlanks(table[slot].name));
            surcharge[slot] = IsSurchargeSlot(table[slot], upper[slot]);
        }
    }
    std::string upper[TaxRateTable::kSlotCount];
    bool surcharge[TaxRateTable::kSlotCount] = {};
};

// The gasoline and the diesel rate of a rate line into the slot; false when one of them
// lies outside 0 to 10.
bool ReadSlotRates(ChartWalker &walk, TaxRate &rate)
{
    rate.gasolineRate = walk.amount();
    rate.dieselRate = walk.amount();
    return RateInRange(rate.gasolineRate) && RateInRange(rate.dieselRate);
}

std::string RateOutsideText(const std::string &name, size_t line)
{
    return UiArgs(UiText("ChartParser", "The rate of %1 on line %2 of the chart is not between 0 "
                                        "and 10. The chart is not read."),
                  {TrimTrailingBlanks(name), std::to_string(line)});
}

int FindSlot(const std::string &chartName, const SlotNames &slots)
{
    std::string name = Upper(StripFootnote(chartName));
    const bool surcharge = IsSurchargeName(name);
    if (surcharge)
        name = SurchargeSlotName(name);

    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        const std::string &slotName = slots.upper[slot];
        if (slotName.empty())
            continue;
        // A surcharge amount must never overwrite a state's own rates.
        if (surcharge && !slots.surcharge[slot])
            continue;
        if (StartsWith(name, slotName))
            return slot;
    }
    return -1;
}

} // namespace

int FindRateRow(const std::string &chartName, const TaxRateTable &table)
{
    return FindSlot(chartName, SlotNames(table));
}

int ParseChart(const std::string &rawText, const std::string &country, TaxRateTable &table,
               TaxPeriod &period, ChartParseReport *report, const ChartProgress &progress,
               int firstStep)
{
    const std::string text = Normalise(rawText);
    ChartWalker walk(text, ChartSeparator(text));
    // Into copies: what is not a chart leaves the table and its period as they were.
    TaxPeriod read;
    ReadTitle(walk.takeLine(), country, read);
    if (read.quarter < 1 || read.quarter > 4 || read.year < 1900 || read.year > 9999)
        return kNotAChart;
    TaxRateTable filled = table;
    const SlotNames slots(table); // filling rates changes no name
    ChartParseReport found;

    const bool canadianUnits = country == "Canada";
    int step = firstStep;
    int status = 0;
    while (!walk.atEnd()) {
        std::string name = walk.nameField();
        while (name.empty() && !walk.atEnd()) {
            walk.dropThrough('\n');
            name = walk.nameField();
        }
        if (name.empty())
            break;

        const int slot = FindSlot(name, slots);
        if (slot < 0) {
            // Headings, footnotes and jurisdictions the table does not carry.
            found.unmatchedNames.push_back(TrimTrailingBlanks(name.substr(0, name.find('\n'))));
            status = -1;
            walk.dropThrough('\n');
            continue;
        }
        if (progress)
            progress(step);
        ++step;
        if (canadianUnits)
            walk.dropThrough('\n');
        if (!ReadSlotRates(walk, filled[slot])) {
            // A table written from it would be refused when read: the chart is, at once.
            if (report)
                report->refusal = RateOutsideText(name, walk.lineNumber());
            return kChartRateOutside;
        }
        walk.dropThrough('\n');
        found.filledSlots.push_back(slot);
    }
    if (found.filledSlots.empty())
        return kNotAChart;
    table = filled;
    period = read;
    if (report)
        *report = std::move(found);
    return status;
}
