#pragma once

#include "filing/latereturn.h"
#include "records/listcolumn.h"

#include <vector>

// The report list of a late return: the report's ten columns and two more, "Interest"
// and "Total" (the row's tax and interest). The row lines get their interest and total,
// the totals line the interest total and the total of tax and interest; a "Penalty" line
// and a "Total due" line follow. A return filed on time keeps the plain report.

std::vector<ListColumn> LateReportColumns(const std::vector<ListColumn> &reportColumns);

// `reportLines` as ReportLines gives them for the report `late` was computed from: one
// line per row, the empty line, the totals line (none at all without rows).
std::vector<ListLine> LateReportLines(const std::vector<ListLine> &reportLines,
                                      const LateReturn &late);
