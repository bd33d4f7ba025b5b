#include "cli/listoutput.h"

#include "platform/cp1252.h"

#include <iostream>

void PrintListLine(const ListLine &texts)
{
    std::string line;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i)
            line += '\t';
        line += texts[i];
    }
    std::cout << Cp1252ToUtf8(line) << '\n';
}

void PrintHeadings(const std::vector<ListColumn> &columns)
{
    ListLine headings;
    for (const ListColumn &column : columns)
        headings.push_back(column.heading);
    PrintListLine(headings);
}
