#pragma once

#include "records/tripentry.h"

#include <cstddef>
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

private:
    // Lines of [p, end), which ends with a line feed or is the text's last piece.
    void parseLines(const char *p, const char *end);

    std::vector<TripEntry> &lines_;
    std::string pending_; // the start of a line whose end has not come yet
};
