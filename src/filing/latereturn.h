#pragma once

#include "filing/interestratetable.h"
#include "numbers/civildate.h"
#include "numbers/fixeddecimal.h"
#include "platform/result.h"
#include "report/report.h"

#include <vector>

// What the user chose about filing a return: the day it is (to be) filed and, where a
// jurisdiction moved the due date over a holiday or another jurisdiction charges another
// penalty, the due date and the penalty set by hand.
struct FilingChoices {
    CivilDate filed;
    bool dueSet = false;
    CivilDate due;
    bool penaltySet = false;
    Hundredths penalty;
};

// One report row's share of the return: its tax and the interest on it.
struct LateReturnRow {
    int32_t slot = 0;
    Hundredths tax;
    Hundredths interest; // 0 where the tax is a credit or zero, and on a return filed on time
    Hundredths total;    // tax + interest
};

// A return's due date, lateness, interest by jurisdiction, penalty and totals. Interest
// is charged jurisdiction by jurisdiction on the tax due to each: a credit in one never
// lowers the interest owed to another.
struct LateReturn {
    CivilDate due;
    int32_t monthsLate = 0;
    Millionths factorSum;            // the monthly factors of the months late, added up
    std::vector<LateReturnRow> rows; // one per report row, in report order
    Hundredths taxTotal;             // the net tax: the rows' tax added up
    Hundredths interestTotal;
    Hundredths taxAndInterest; // tax total + interest total
    Hundredths penalty;
    Hundredths totalDue; // tax and interest + penalty

    bool late() const { return monthsLate > 0; }
};

// Money here is whole cents (Hundredths), interest factors Millionths; every product
// rounds once through numbers/exactround.h and every product and sum is checked: a
// figure that would pass 64 bits refuses the return with a message, never wraps.

// A report row's tax in cents, as the report list shows it in the report's rounding.
// Every late-return figure takes a row's tax through here.
Hundredths RowTax(const ReportRow &row, const Report &report);

// The penalty on a late return: the greater of 50.00 and 10% of the net tax (rounded to
// cents with halves upward); 50.00 also when the net is zero or a credit.
Hundredths LatePenalty(Hundredths netTax);

// The interest on one jurisdiction's tax: tax × the summed factors, rounded once to cents
// with halves upward; none on a credit. False when the product passes 64 bits.
bool JurisdictionInterest(Hundredths tax, Millionths factorSum, Hundredths &interest);

// Computes the return of `report` for the record's quarter (`year`, `quarter`) and the
// carrier's `country`, filed as `choices` say. Fails, leaving `out` untouched, when the
// quarter is not 1..4 of a year of the date range, when a month late has no factor in
// `rates` (the message names the period to add), or when a figure would pass 64 bits.
Result ComputeLateReturn(const Report &report, int32_t year, int32_t quarter,
                         const std::string &country, const FilingChoices &choices,
                         const InterestRateTable &rates, LateReturn &out);

// The first month of interest on the return of the quarter (`year`, `quarter`) filed as
// `choices` say that `rates` has no factor for, in `month` (its first day). False when
// every month has one, or the return is on time.
bool MissingInterestMonth(int32_t year, int32_t quarter, const std::string &country,
                          const FilingChoices &choices, const InterestRateTable &rates,
                          CivilDate &month);
