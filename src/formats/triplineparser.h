#pragma once

#include "records/tripentry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reads the text part of a record file into trip lines, straight into their fixed-unit
// numbers, in one pass over the bytes. The bytes may come in pieces split anywhere (a
// file read a block at a time): any split gives the same lines as the whole text.
//
// A line ends at a line feed, a carriage return or both; its fields end at commas, and a
// line that runs out of commas gives empty fields (0) for the rest. Anything after the
// twelfth field is ignored. Numbers read as TextToInt and TextToDecimal read them; the
// forms this program writes ("123", "-5", "12.50", "0.1234") take a short path.
class TripLineParser
{
public:
    explicit TripLineParser(std::vector<TripEntry> &lines) : lines_(lines) {}

    void feed(const char *data, size_t size);
    // The last line, when the text does not end with a line end.
    void finish();

    // One line's fields, [begin, end) without its line end.
    static TripEntry parseLine(const char *begin, const char *end);

    // The highest tax rate a line may carry: 10 a unit. A file with a higher one (a
    // hand-edited "1e308") or a negative one is refused.
    static constexpr int64_t kHighestRate = 100000;
    // The position among the lines parsed of the first one whose rate is outside 0..10,
    // or SIZE_MAX. Noted while the line is at hand, which saves a pass over a million.
    size_t firstRateOutside() const { return firstRateOutside_; }

    // The lines parsed so far were taken away (by a reader that hands them on a block at
    // a time): the list is emptied, and positions count on after them.
    void linesTaken()
    {
        taken_ += lines_.size();
        lines_.clear();
    }

private:
    // Lines of [p, end), which ends with a line feed or is the text's last piece.
    void parseLines(const char *p, const char *end);

    std::vector<TripEntry> &lines_;
    std::string pending_; // the start of a line whose end has not come yet
    size_t firstRateOutside_ = SIZE_MAX;
    size_t taken_ = 0;
};
