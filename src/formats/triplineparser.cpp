#include "formats/triplineparser.h"

#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"
#include "numbers/uitext.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

bool isDigit(char c)
{
    return static_cast<unsigned char>(c - '0') < 10;
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// The fields of one line, taken in order from the line's start in a text that runs to
// `end`. The cursor stops at the line's end: a line feed, a carriage return or `end`.
class FieldCursor
{
public:
    FieldCursor(const char *begin, const char *end) : p_(begin), end_(end) {}

    // The next field's bytes; empty once the line is over.
    void next(const char *&fieldBegin, const char *&fieldEnd)
    {
        fieldBegin = p_;
        const char *q = p_;
        while (q < end_ && *q != ',' && !isLineEnd(*q))
            ++q;
        fieldEnd = q;
        if (q < end_ && *q == ',') {
            p_ = q + 1;
        } else {
            p_ = q;
            end_ = q; // the line is over: every later field is empty
        }
    }

    // Where the line ends, past any fields not read.
    const char *lineEnd(const char *textEnd) const
    {
        const char *q = p_;
        while (q < textEnd && !isLineEnd(*q))
            ++q;
        return q;
    }

    int32_t nextInt()
    {
        // Up to nine digits, with or without a minus, right before a comma: no 32-bit
        // limit to mind.
        const char *q = p_ < end_ && *p_ == '-' ? p_ + 1 : p_;
        const char *const digits = q;
        const char *const limit = end_ - q > 9 ? q + 9 : end_;
        int32_t value = 0;
        while (q < limit && isDigit(*q))
            value = value * 10 + (*q++ - '0');
        if (q > digits && q < end_ && *q == ',') {
            const bool negative = digits != p_;
            p_ = q + 1;
            return negative ? -value : value;
        }
        const char *b, *e;
        next(b, e);
        return TextToInt(b, e);
    }

    template <int D>
    FixedDecimal<D> nextDecimal()
    {
        // What "%.Nf" writes: up to eight whole digits, the point and exactly D decimals,
        // right before a comma. Exact, and far below the limit of an amount.
        const char *q = p_ < end_ && *p_ == '-' ? p_ + 1 : p_;
        const char *const digits = q;
        const char *const limit = end_ - q > 8 ? q + 8 : end_;
        int64_t units = 0;
        while (q < limit && isDigit(*q))
            units = units * 10 + (*q++ - '0');
        if (q > digits && end_ - q > D + 1 && *q == '.') {
            const char *decimals = q + 1;
            int i = 0;
            for (; i < D && isDigit(decimals[i]); ++i)
                units = units * 10 + (decimals[i] - '0');
            if (i == D && decimals[D] == ',') {
                const bool negative = digits != p_;
                p_ = decimals + D + 1;
                return FixedDecimal<D>{negative ? -units : units};
            }
        }
        const char *b, *e;
        next(b, e);
        return TextToDecimal<D>(b, e);
    }

    template <size_t Size>
    void nextText(ShortText<Size> &text)
    {
        const char *b, *e;
        next(b, e);
        text.assign(std::string_view(b, static_cast<size_t>(e - b)));
    }

private:
    const char *p_;
    const char *end_;
};

// The last line feed in [begin, end), or null.
const char *lastLineFeed(const char *begin, const char *end)
{
    for (const char *p = end; p > begin;) {
        if (*--p == '\n')
            return p;
    }
    return nullptr;
}

} // namespace

namespace {

void readFields(FieldCursor &fields, TripEntry &entry)
{
    entry.tripNumber = fields.nextInt();
    fields.nextText(entry.date);
    fields.nextText(entry.reservedText);
    entry.slot = fields.nextInt();
    entry.surcharge = fields.nextInt();
    entry.odometerIn = fields.nextInt();
    entry.odometerOut = fields.nextInt();
    entry.distance = static_cast<uint32_t>(fields.nextInt());
    entry.fuel = fields.nextDecimal<2>();
    entry.rate = fields.nextDecimal<4>();
    entry.fuelInGallons = fields.nextInt();
    entry.distanceInMiles = fields.nextInt();
}

} // namespace

TripEntry TripLineParser::parseLine(const char *begin, const char *end)
{
    FieldCursor fields(begin, end);
    TripEntry entry;
    readFields(fields, entry);
    return entry;
}

void TripLineParser::parseLines(const char *p, const char *end)
{
    while (p < end) {
        if (!isLineEnd(*p) && !tooMany_) {
            // The fields are read straight from the text; the line ends where they stop.
            FieldCursor fields(p, end);
            TripEntry &line = lines_.emplace_back();
            readFields(fields, line);
            noteRefusals(line);
            p = fields.lineEnd(end);
        } else {
            // An empty line stores nothing; past the most lines, nothing is stored.
            p = FieldCursor(p, end).lineEnd(end);
        }
        if (p < end && *p == '\r') {
            // A carriage return ends the line too; a line feed right after it belongs to
            // the same line end. Any other character starts the next line: a file with
            // bare carriage returns loses nothing.
            ++p;
            if (p < end && *p == '\n')
                ++p;
        } else if (p < end) {
            ++p;
        }
    }
}

void TripLineParser::noteRefusals(const TripEntry &line)
{
    const size_t position = taken_ + lines_.size() - 1;
    if ((line.rate.units < 0 || line.rate.units > kHighestRate) && firstRateOutside_ == SIZE_MAX)
        firstRateOutside_ = position;
    if (static_cast<int32_t>(line.distance) < 0 && firstNegativeDistance_ == SIZE_MAX)
        firstNegativeDistance_ = position;
    if (position >= kMostLines) {
        lines_.pop_back();
        tooMany_ = true;
    }
}

Result TripLineParser::refusal() const
{
    if (tooMany_)
        return Result::badFormat(
            UiArgs(UiText("TripLineParser", "The file holds more than %1 trip lines. The file is "
                                            "not opened."),
                   {std::to_string(kMostLines)}));
    const size_t bad = std::min(firstRateOutside_, firstNegativeDistance_);
    if (bad == SIZE_MAX)
        return Result::success();
    const std::string line = std::to_string(bad + 1);
    if (bad == firstRateOutside_)
        return Result::badFormat(UiArgs(UiText("TripLineParser", "The tax rate of trip line %1 is "
                                                                 "not between 0 and 10. The file "
                                                                 "is not opened."),
                                        {line}));
    return Result::badFormat(
        UiArgs(UiText("TripLineParser",
                      "The distance of trip line %1 is negative. The file is not opened."),
               {line}));
}

void TripLineParser::feed(const char *data, size_t size)
{
    // A line feed always ends a line and the byte after it starts the next, so the text
    // up to the last line feed of the piece parses the same as within the whole text;
    // what follows it waits for the next piece.
    const char *p = data;
    const char *const end = data + size;
    if (!pending_.empty()) {
        const void *lineFeed = std::memchr(p, '\n', size);
        if (!lineFeed) {
            pending_.append(p, end);
            return;
        }
        const char *rest = static_cast<const char *>(lineFeed) + 1;
        pending_.append(p, rest);
        parseLines(pending_.data(), pending_.data() + pending_.size());
        pending_.clear();
        p = rest;
    }
    const char *last = lastLineFeed(p, end);
    if (!last) {
        pending_.assign(p, end);
        return;
    }
    parseLines(p, last + 1);
    pending_.assign(last + 1, end);
}

void TripLineParser::finish()
{
    parseLines(pending_.data(), pending_.data() + pending_.size());
    pending_.clear();
}
