#pragma once

#include <string>
#include <vector>

// One column of a list (entry list, report, tax-rate table): heading, width in pixels
// and alignment. The window, the command-line tool and the printed listings share them.
struct ListColumn {
    std::string heading;
    int width = 0;
    bool leftAligned = false;
};

// One list line: the texts of its columns, in column order.
using ListLine = std::vector<std::string>;
