#include "report/yearsummary.h"

#include "formats/csvfield.h"
#include "numbers/decimaltext.h"
#include "numbers/exactround.h"
#include "numbers/textnumber.h"
#include "numbers/uitext.h"
#include "records/units.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr const char *kTooManyQuarters =
    UI_TEXT_NOOP("Messages", "A year summary takes one to four quarter files.");
constexpr const char *kPastLimits = UI_TEXT_NOOP(
    "Messages", "The year's figures are too large to be added up exactly; no summary was made.");

// A carrier's name or IFTA number as two quarters are compared: without the blanks around
// it, letters in one case ("Acme Ltd" typed "ACME LTD" in another quarter is the same
// carrier).
std::string Comparable(const std::string &text)
{
    size_t first = text.find_first_not_of(" \t");
    size_t last = text.find_last_not_of(" \t");
    std::string key =
        first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    for (char &c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

std::string CarrierText(const CompanyInfo &company)
{
    std::string text =
        company.companyName.empty() ? UiText("YearSummary", "no name") : company.companyName;
    if (!company.iftaNumber.empty())
        text = UiArgs(UiText("YearSummary", "%1, IFTA %2"), {text, company.iftaNumber});
    return text;
}

std::string UnitsText(const CompanyInfo &company)
{
    return IsCanada(company.country) ? UiText("YearSummary", "kilometres and litres")
                                     : UiText("YearSummary", "miles and US gallons");
}

std::string FuelText(const CompanyInfo &company)
{
    return company.diesel ? UiText("YearSummary", "diesel") : UiText("YearSummary", "gasoline");
}

// `pattern` ("%1 and %2 are of different carriers (%3; %4): a year summary takes the
// quarters of one carrier.") with the two files and what each holds.
Result Different(const QuarterReport &a, const QuarterReport &b, const char *pattern,
                 const std::string &textA, const std::string &textB)
{
    return Result::failure(UiArgs(UiText("YearSummary", pattern), {a.name, b.name, textA, textB}));
}

bool ValidQuarter(const TaxPeriod &period)
{
    return period.quarter >= 1 && period.quarter <= 4 && period.year >= 1;
}

// Why `b` cannot stand beside `a` in one year, or success.
Result CheckPair(const QuarterReport &a, const QuarterReport &b)
{
    const CompanyInfo &x = a.company;
    const CompanyInfo &y = b.company;
    if (Comparable(x.companyName) != Comparable(y.companyName) ||
        Comparable(x.iftaNumber) != Comparable(y.iftaNumber))
        return Different(a, b,
                         UI_TEXT_NOOP("YearSummary", "%1 and %2 are of different carriers (%3; "
                                                     "%4): a year summary takes the quarters of "
                                                     "one carrier."),
                         CarrierText(x), CarrierText(y));
    if (a.period.year != b.period.year)
        return Different(a, b,
                         UI_TEXT_NOOP("YearSummary", "%1 and %2 are of different years (%3; %4): "
                                                     "a year summary takes the quarters of one "
                                                     "year."),
                         std::to_string(a.period.year), std::to_string(b.period.year));
    if (IsCanada(x.country) != IsCanada(y.country))
        return Different(a, b,
                         UI_TEXT_NOOP("YearSummary", "%1 and %2 are of different unit systems (%3; "
                                                     "%4): a year summary takes the quarters of "
                                                     "one unit system."),
                         UnitsText(x), UnitsText(y));
    if ((x.diesel != 0) != (y.diesel != 0))
        return Different(a, b,
                         UI_TEXT_NOOP("YearSummary", "%1 and %2 are of different fuels (%3; %4): "
                                                     "a year summary takes the quarters of one "
                                                     "fuel."),
                         FuelText(x), FuelText(y));
    if (a.period.quarter == b.period.quarter)
        return Result::failure(UiArgs(
            UiText("YearSummary", "%1 and %2 are both %3: a year summary takes each quarter once."),
            {a.name, b.name, QuarterLabel(a.period.year, a.period.quarter)}));
    return Result::success();
}

Result CheckQuarters(const std::vector<QuarterReport> &quarters)
{
    if (quarters.empty() || quarters.size() > 4)
        return Result::failure(UiText("Messages", kTooManyQuarters));
    for (const QuarterReport &quarter : quarters) {
        if (!ValidQuarter(quarter.period))
            return Result::failure(UiArgs(
                UiText("YearSummary", "%1 has no valid quarter: set its tax period and save it."),
                {quarter.name}));
    }
    for (size_t i = 0; i < quarters.size(); ++i) {
        for (size_t j = i + 1; j < quarters.size(); ++j) {
            if (const Result refused = CheckPair(quarters[i], quarters[j]); !refused)
                return refused;
        }
    }
    return Result::success();
}

YearFigures RowFigures(const ReportRow &row, const Report &report)
{
    const ReportRowFigures derived =
        ComputeRowFigures(row, report.totals.fleetAverage, report.rounding);
    YearFigures figures;
    figures.distance = row.surcharge ? 0 : row.distance;
    figures.taxableDistance = row.distance;
    figures.taxableFuel = derived.taxableFuel;
    figures.fuelPaid = row.fuelPaid;
    figures.tax = derived.tax;
    return figures;
}

YearFigures TotalFigures(const ReportTotals &totals)
{
    YearFigures figures;
    figures.distance = totals.totalDistance;
    figures.taxableDistance = totals.taxableDistance;
    figures.taxableFuel = totals.totalTaxableFuel;
    figures.fuelPaid = totals.totalFuelPaid;
    figures.tax = totals.totalTax;
    return figures;
}

// sum += figures; false when a money sum would pass 64 bits (distances cannot: four
// quarters of 32-bit totals).
bool AddFigures(YearFigures &sum, const YearFigures &figures)
{
    sum.distance += figures.distance;
    sum.taxableDistance += figures.taxableDistance;
    return ExactRound::Add(sum.taxableFuel, figures.taxableFuel, sum.taxableFuel) &&
           ExactRound::Add(sum.fuelPaid, figures.fuelPaid, sum.fuelPaid) &&
           ExactRound::Add(sum.tax, figures.tax, sum.tax);
}

// Adds one quarter's report lines to the jurisdictions and its totals to the year's.
bool AddQuarter(const QuarterReport &quarter, std::array<YearRow, TaxRateTable::kSlotCount> &rows,
                YearSummary &summary)
{
    const Report &report = quarter.report;
    for (const ReportRow &row : report.rows) {
        YearRow &year = rows[static_cast<size_t>(row.slot)];
        const YearFigures figures = RowFigures(row, report);
        year.quarters.push_back({quarter.period.quarter, figures});
        if (!AddFigures(year.year, figures))
            return false;
    }
    YearQuarter line;
    line.name = quarter.name;
    line.quarter = quarter.period.quarter;
    // A quarter without lines has no report to take an average from.
    line.fleetAverage = report.rows.empty() ? kInvalidFleetAverage : report.totals.fleetAverage;
    line.totals = TotalFigures(report.totals);
    line.filing = quarter.filing;
    summary.quarters.push_back(line);
    return AddFigures(summary.totals, line.totals);
}

std::string IntText(int64_t value)
{
    std::string text;
    AppendInt(text, value);
    return text;
}

std::string AverageText(Hundredths average)
{
    return average == kInvalidFleetAverage ? std::string("Invalid") : FormatFixed(average);
}

ListLine FiguresLine(const std::string &name, const std::string &abbreviation,
                     const std::string &period, const YearFigures &figures, Hundredths average,
                     const std::string &filing)
{
    return ListLine{name,
                    abbreviation,
                    period,
                    IntText(figures.distance),
                    IntText(figures.taxableDistance),
                    AverageText(average),
                    FormatFixed(figures.taxableFuel),
                    FormatFixed(figures.fuelPaid),
                    FormatFixed(figures.tax),
                    filing};
}

Hundredths QuarterAverage(const YearSummary &summary, int32_t quarter)
{
    for (const YearQuarter &line : summary.quarters) {
        if (line.quarter == quarter)
            return line.fleetAverage;
    }
    return kInvalidFleetAverage;
}

} // namespace

Result SummarizeYear(std::vector<QuarterReport> quarters, const TaxRateTable &table,
                     YearSummary &out)
{
    if (const Result refused = CheckQuarters(quarters); !refused)
        return refused;
    std::sort(quarters.begin(), quarters.end(), [](const QuarterReport &a, const QuarterReport &b) {
        return a.period.quarter < b.period.quarter;
    });

    YearSummary summary;
    const CompanyInfo &carrier = quarters.front().company;
    summary.companyName = carrier.companyName;
    summary.iftaNumber = carrier.iftaNumber;
    summary.country = carrier.country;
    summary.year = quarters.front().period.year;
    std::array<YearRow, TaxRateTable::kSlotCount> rows{};
    for (const QuarterReport &quarter : quarters) {
        if (!AddQuarter(quarter, rows, summary))
            return Result::failure(UiText("Messages", kPastLimits));
    }
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        YearRow &row = rows[static_cast<size_t>(slot)];
        if (row.quarters.empty())
            continue;
        row.slot = slot;
        row.name = table[slot].name;
        row.abbreviation = table[slot].abbreviation;
        summary.rows.push_back(std::move(row));
    }
    // Surcharge lines' distance stays out of the year's average, as out of a quarter's.
    summary.fleetAverage = FleetAverage(summary.totals.distance, summary.totals.fuelPaid);
    out = std::move(summary);
    return Result::success();
}

std::string QuarterLabel(int32_t year, int32_t quarter)
{
    return IntText(year) + "Q" + IntText(quarter);
}

std::string YearLabel(int32_t year)
{
    return "Year " + IntText(year);
}

std::vector<ListColumn> YearColumns(const std::string &country)
{
    std::vector<ListColumn> columns = ReportColumns(country);
    // The report's rate column has no place in a year: a jurisdiction's rate may change
    // from quarter to quarter; its difference column is left out for room.
    columns.erase(columns.begin() + 7, columns.begin() + 9);
    columns.insert(columns.begin() + kYearQuarterColumn,
                   ListColumn{UI_TEXT_NOOP("ListColumns", "Quarter"), 80, true});
    columns.push_back(ListColumn{UI_TEXT_NOOP("ListColumns", "Filing"), 220, true});
    return columns;
}

std::vector<ListLine> YearLines(const YearSummary &summary)
{
    std::vector<ListLine> lines;
    lines.reserve(summary.rows.size() * 4 + summary.quarters.size() + 1);
    const int32_t year = summary.year;
    for (const YearRow &row : summary.rows) {
        for (const YearRow::Quarter &quarter : row.quarters)
            lines.push_back(FiguresLine(row.name, row.abbreviation,
                                        QuarterLabel(year, quarter.quarter), quarter.figures,
                                        QuarterAverage(summary, quarter.quarter), std::string()));
        lines.push_back(FiguresLine(row.name, row.abbreviation, YearLabel(year), row.year,
                                    summary.fleetAverage, std::string()));
        lines.push_back(ListLine(kYearFilingColumn + 1));
    }
    for (const YearQuarter &quarter : summary.quarters)
        lines.push_back(FiguresLine("Total", std::string(), QuarterLabel(year, quarter.quarter),
                                    quarter.totals, quarter.fleetAverage, quarter.filing));
    lines.push_back(FiguresLine("Total", std::string(), YearLabel(year), summary.totals,
                                summary.fleetAverage, std::string()));
    return lines;
}

std::string YearCsv(const YearSummary &summary)
{
    const auto append = [](std::string &text, const ListLine &fields) {
        for (size_t i = 0; i < fields.size(); ++i)
            text += (i ? "," : "") + CsvField(fields[i]);
        text += "\r\n";
    };
    std::string text;
    ListLine headings;
    for (const ListColumn &column : YearColumns(summary.country))
        headings.push_back(column.heading);
    append(text, headings);
    for (const ListLine &line : YearLines(summary)) {
        if (!line[0].empty())
            append(text, line);
    }
    return text;
}
