#pragma once

#include "filing/civildate.h"
#include "filing/interestratetable.h"
#include "filing/money.h"
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
    Cents penalty = 0;
};

// One report row's share of the return: its tax and the interest on it.
struct LateReturnRow {
    int32_t slot = 0;
    Cents tax = 0;
    Cents interest = 0; // 0 where the tax is a credit or zero, and on a return filed on time
};

// A return's due date, lateness, interest by jurisdiction, penalty and totals. Interest
// is charged jurisdiction by jurisdiction on the tax due to each: a credit in one never
// lowers the interest owed to another.
struct LateReturn {
    CivilDate due;
    int32_t monthsLate = 0;
    Millionths factorSum = 0;        // the monthly factors of the months late, added up
    std::vector<LateReturnRow> rows; // one per report row, in report order
    Cents taxTotal = 0;              // the net tax: the rows' tax added up
    Cents interestTotal = 0;
    Cents penalty = 0;
    Cents totalDue = 0; // tax total + interest total + penalty

    bool late() const { return monthsLate > 0; }
};

// A report row's tax in cents, as the report list shows it in the report's rounding.
// Every late-return figure takes a row's tax through here.
Cents RowTaxCents(const ReportRow &row, const Report &report);

// The penalty on a late return: the greater of 50.00 and 10% of the net tax (rounded to
// cents with halves upward); 50.00 also when the net is zero or a credit.
Cents LatePenalty(Cents netTax);

// The interest on one jurisdiction's tax: tax × the summed factors, rounded once to cents
// with halves upward; none on a credit.
Cents JurisdictionInterest(Cents tax, Millionths factorSum);

// Computes the return of `report` for the record's quarter (`year`, `quarter`) and the
// carrier's `country`, filed as `choices` say. Fails, leaving `out` untouched, when the
// quarter is not 1..4 or a month late has no factor in `rates` (the message names the
// period to add).
Result ComputeLateReturn(const Report &report, int32_t year, int32_t quarter,
                         const std::string &country, const FilingChoices &choices,
                         const InterestRateTable &rates, LateReturn &out);
