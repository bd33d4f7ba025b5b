#pragma once

#include "numbers/fixeddecimal.h"
#include "platform/result.h"
#include "records/companyinfo.h"
#include "records/listcolumn.h"
#include "records/taxperiod.h"
#include "records/taxratetable.h"
#include "report/report.h"

#include <cstdint>
#include <string>
#include <vector>

// The year at a glance: one to four quarters of one carrier side by side, jurisdiction by
// jurisdiction, with the year's sums. Each quarter is its own report, computed as the
// quarter is filed (the rates its lines carry, its own fleet average), so a quarter's
// lines here are its report's; the year's figures are the quarters' added up, and the
// year's fleet average is the year's distance over the year's fuel.

// What a quarter's return filing is when the record does not say: record files keep no
// filing date.
constexpr const char *kFilingNotSet = "not set";

// One quarter as it was read: the record's carrier, its quarter, its report and how its
// return was filed.
struct QuarterReport {
    std::string name; // the file's name, as a refusal names it
    CompanyInfo company;
    TaxPeriod period;
    Report report;
    std::string filing = kFilingNotSet;
};

// One jurisdiction's figures (or all of them) for a quarter or the year, as the report
// list shows them: the total distance leaves surcharge lines out, the taxable distance
// counts them.
struct YearFigures {
    int64_t distance = 0;
    int64_t taxableDistance = 0;
    Hundredths taxableFuel;
    Hundredths fuelPaid;
    Hundredths tax;
};

// One jurisdiction of the year: its figures in each quarter whose report has a line for
// it, and the year's.
struct YearRow {
    struct Quarter {
        int32_t quarter = 0;
        YearFigures figures;
    };
    int32_t slot = 0;
    std::string name;
    std::string abbreviation;
    std::vector<Quarter> quarters; // in quarter order
    YearFigures year;
};

// One quarter of the year: its totals line, its fleet average and its filing.
struct YearQuarter {
    std::string name;
    int32_t quarter = 0;
    Hundredths fleetAverage; // kInvalidFleetAverage without fuel or lines
    YearFigures totals;
    std::string filing;
};

struct YearSummary {
    std::string companyName;
    std::string iftaNumber;
    std::string country; // the unit system: kilometres and litres for "Canada"
    int32_t year = 0;
    std::vector<YearQuarter> quarters; // in quarter order
    std::vector<YearRow> rows;         // in slot order
    YearFigures totals;
    Hundredths fleetAverage; // kInvalidFleetAverage without fuel
};

// Puts the quarters side by side, the jurisdictions named from `table`. Refused, with the
// message to show and `out` untouched: no quarter or more than four, a record without a
// valid quarter, quarters of different carriers (name or IFTA number, blanks around them
// and letter case aside), of different years, unit systems or fuels, and a quarter given
// twice; a sum past 64 bits.
Result SummarizeYear(std::vector<QuarterReport> quarters, const TaxRateTable &table,
                     YearSummary &out);

// "2025Q1", as the information bar names a quarter, and "Year 2025".
std::string QuarterLabel(int32_t year, int32_t quarter);
std::string YearLabel(int32_t year);

// The year list's ten columns: the report's, a quarter column after the abbreviation, and
// the filing last.
std::vector<ListColumn> YearColumns(const std::string &country);

// Column of the year list's quarter label, and of the filing, which only the quarters'
// totals lines carry.
constexpr size_t kYearQuarterColumn = 2;
constexpr size_t kYearFilingColumn = 9;

// The year list: for each jurisdiction a line per quarter that has one and the year's
// line, then an empty line; after them a totals line per quarter (with its filing) and the
// year's totals line.
std::vector<ListLine> YearLines(const YearSummary &summary);

// The year list as a comma-separated file: the headings, then every line but the empty
// ones, fields quoted where they hold a comma or a quote, lines ending in CR LF.
std::string YearCsv(const YearSummary &summary);
