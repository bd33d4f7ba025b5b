#pragma once

#include "formats/chartparser.h"
#include "records/taxperiod.h"
#include "records/taxratetable.h"

#include <string>

class CliArgs;

// What parse-chart and download share: the --country option, the note on chart names that
// found no slot, and writing the filled table.

// "--country US|Canada", the units the chart is read in. False after the usage error,
// whose exit code is in `exitCode`.
bool TakeCountry(const CliArgs &args, std::string &country, int &exitCode);

// Chart names that found no slot are worth a look (a table that lacks a jurisdiction, a
// renamed one); they do not make the command fail.
void NoteUnmatched(const ChartParseReport &report);

// Writes the table to `out`: the exit code.
int WriteTable(const std::string &out, const TaxRateTable &table, const TaxPeriod &period);
