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
};
