#pragma once

#include "records/listcolumn.h"

#include <vector>

// A list of the view printed as tollmark-cli prints it: columns joined by one tab, one
// line per list line, as UTF-8.
void PrintListLine(const ListLine &texts);
void PrintHeadings(const std::vector<ListColumn> &columns);
