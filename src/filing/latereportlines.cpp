#include "filing/latereportlines.h"

#include "numbers/decimaltext.h"
#include "numbers/uitext.h"

std::vector<ListColumn> LateReportColumns(const std::vector<ListColumn> &reportColumns)
{
    std::vector<ListColumn> columns = reportColumns;
    columns.push_back({UI_TEXT_NOOP("ListColumns", "Interest"), 80, false});
    columns.push_back({UI_TEXT_NOOP("ListColumns", "Total"), 100, false});
    return columns;
}

std::vector<ListLine> LateReportLines(const std::vector<ListLine> &reportLines,
                                      const LateReturn &late)
{
    std::vector<ListLine> lines = reportLines;
    const size_t rows = late.rows.size();
    // Lines that do not match the return's rows (there are none in practice) are left
    // without figures rather than given another row's.
    if (rows == 0 || lines.size() != rows + 2)
        return lines;
    const size_t width = lines.front().size();
    for (size_t i = 0; i < rows; ++i) {
        const LateReturnRow &row = late.rows[i];
        lines[i].push_back(FormatFixed(row.interest));
        lines[i].push_back(FormatFixed(row.total));
    }
    lines[rows].resize(width + 2);
    lines[rows + 1].push_back(FormatFixed(late.interestTotal));
    lines[rows + 1].push_back(FormatFixed(late.taxAndInterest));

    ListLine penalty(width + 2);
    penalty[0] = UI_TEXT_NOOP("ListColumns", "Penalty");
    penalty[width + 1] = FormatFixed(late.penalty);
    ListLine due(width + 2);
    due[0] = UI_TEXT_NOOP("ListColumns", "Total due");
    due[width + 1] = FormatFixed(late.totalDue);
    lines.push_back(penalty);
    lines.push_back(due);
    return lines;
}
