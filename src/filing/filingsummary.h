#pragma once

#include "filing/latereturn.h"
#include "records/ciftadoc.h"
#include "report/report.h"

#include <string>

// The return as the comma-separated summary many filing portals take: a heading line,
// then one line per report row in report order (a surcharge row says "Surcharge" in its
// second column and carries its state's abbreviation in the first), with the figures of
// the report list and the row's interest and total from `late`. Kilometres and litres
// head the columns for a Canadian carrier, miles and gallons for any other. Lines end
// with CR LF, as portals expect of CSV. The figures are in the report's rounding (whole
// gallons or litres when the user chose them, as most portals expect).
std::string FormatFilingSummary(const CIftaDoc &doc, const Report &report, const LateReturn &late);
