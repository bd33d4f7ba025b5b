#pragma once

#include <string>

// Where a quarter's rate chart comes from: the clearinghouse over HTTP (ChartFetcher of
// the net layer, for the window and tollmark-cli), a fake in tests.
class ChartSource
{
public:
    virtual ~ChartSource() = default;

    // Reads the chart at `address` into text(): 0, or -1 with errorMessage() set.
    virtual int FetchChart(const std::string &address) = 0;
    virtual const std::string &text() const = 0;
    virtual const std::string &errorMessage() const = 0;
    // Whether the answer said its length, so that an answer cut short is already a failed
    // fetch. Without one, only the chart itself tells whether it arrived whole.
    virtual bool lengthKnown() const { return true; }
    // The fetched text turned out cut short (its last jurisdiction never came): records
    // that as the fetch's failure and returns its message.
    virtual std::string cutShort() { return "The rate chart ended before its last jurisdiction."; }
};
