#pragma once

#include "numbers/uitext.h"
#include "records/taxperiod.h"
#include "records/taxratetable.h"

#include <functional>
#include <string>
#include <vector>

// The clearinghouse's quarterly rate chart, as text, into the tax-rate table.
//
// Two forms are read. The older ".txt" chart separates its cells with tabs; the ".csv"
// chart published since 2017 has the same line structure with commas, a UTF-8 byte-order
// mark and CR LF line ends (the form is the separator that more of the lines carry).
// Either way: line 1 is the quarter's title ("2nd Quarter 2026"); a jurisdiction's line
// begins with its name (optionally followed by a footnote marker " #nn"); lines whose
// first cell is blank (continued headings, spacers) are passed over; on the rate line,
// which is the name line for a US-units chart and the line after it for a Canadian one,
// the first "$" amount is the gasoline rate and the second the diesel rate ("$-" is 0).
// Rates are stored as the chart states them; the country says which units the table is
// then in.

// What a parse did, for the caller to show or check.
struct ChartParseReport {
    std::vector<int> filledSlots;            // in chart order
    std::vector<std::string> unmatchedNames; // chart names that found no slot, passed over
    std::string refusal; // why the chart was refused (kChartRateOutside), with its line
};

// Called with the step counter for every jurisdiction filled (the download dialog's
// progress bar, whose position the counter starts from).
using ChartProgress = std::function<void(int)>;

// What ParseChart gives for a text that is not a rate chart, and the message for it.
constexpr int kNotAChart = -2;
constexpr const char *kNotARateChart = UI_TEXT_NOOP("Messages", "The answer is not a rate chart");
// What ParseChart gives for a chart with a rate outside 0 to 10 (a table could not hold
// it); the report's `refusal` names the line.
constexpr int kChartRateOutside = -3;

// Parses `text` into `table` and `period`. The period's year and quarter come from the
// title line, its country is `country` ("Canada" reads the rates from the line after the
// name line; anything else from the name line). Only slots whose name a chart line
// matches are changed. A chart name that matches no slot is passed over and the walk goes
// on. Returns 0 when every name found a slot, -1 when some did not (the rest are filled
// all the same), and kNotAChart, with the table, period and report left as they were, when
// the title line gives no quarter (1 to 4) and year or no line fills a slot, or
// kChartRateOutside, leaving them as they were too, for a rate outside 0 to 10.
int ParseChart(const std::string &text, const std::string &country, TaxRateTable &table,
               TaxPeriod &period, ChartParseReport *report = nullptr,
               const ChartProgress &progress = {}, int firstStep = 50);

// The slot (0..71) whose name the chart name begins with, compared without regard to
// letter case and trailing blanks, after removing a footnote marker " #nn" from the chart
// name. A surcharge line (with "SURCHG" or "SURCHARGE" as a word anywhere) of Kentucky, Indiana,
// Virginia, Ohio or Michigan is looked up as "KY Surcharge", "IN Surcharge" and so on,
// and a surcharge line only ever matches a surcharge slot, never the state's own. Slots
// with an empty name match nothing; the table is not changed. -1 when nothing matches.
int FindRateRow(const std::string &name, const TaxRateTable &table);
