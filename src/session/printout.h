#pragma once

#include "check/finding.h"
#include "filing/latereturn.h"
#include "report/report.h"
#include "report/vehiclerecord.h"
#include "report/yearsummary.h"
#include "sessionbase/viewmode.h"

class CFilingSession;
class CYearSession;
class CIftaDoc;

// Everything one printout draws from: the record, the view mode it prints and, for the
// return form, the report computed from the record when the printout was prepared (for
// the check listing, the check's findings). A printout is prepared for each print job, so
// it always shows the record as it is now.
struct Printout {
    const CIftaDoc *doc = nullptr;
    ViewMode mode = ViewMode::EntryList;
    Report report;
    Findings findings;
    FleetRecord fleet; // the vehicle records, for their printout
    YearSummary year;  // the year summary, for its listing
    // The return filed late, when it is: the form fills its Interest (P) and Total (Q)
    // columns and the penalty from it.
    bool hasLateReturn = false;
    LateReturn late;

    const LateReturn *lateReturn() const { return hasLateReturn ? &late : nullptr; }

    // The number of things the printout lists: trip lines, report rows, shown tax-rate
    // slots, findings, units or year lines. Nothing to print when 0.
    size_t itemCount() const;
};

// The printout of `doc` in `mode`; the report is computed, in `rounding`, only for the
// return form, the check (against the document's loaded table) only for the check
// listing, and with `filing` (the filing of the same record) the late return too
// when a filing date is set and falls after the due date. A late return whose interest
// cannot be computed (a missing factor, said when the date was chosen) prints without
// interest. The year summary's listing takes the summary `year` makes now (none when it
// cannot be made: nothing to print).
Printout PreparePrintout(const CIftaDoc &doc, ViewMode mode,
                         FuelRounding rounding = FuelRounding::Hundredths,
                         CFilingSession *filing = nullptr, CYearSession *year = nullptr);
