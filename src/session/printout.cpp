#include "session/printout.h"

#include "check/quartercheck.h"
#include "records/ciftadoc.h"
#include "records/taxlist.h"
#include "session/cfilingsession.h"
#include "session/cyearsession.h"

size_t Printout::itemCount() const
{
    if (!doc)
        return 0;
    switch (mode) {
    case ViewMode::EntryList:
        return doc->entries().size();
    case ViewMode::Report:
        return report.rows.size();
    case ViewMode::TaxRates:
        return static_cast<size_t>(ShownTaxSlotCount(doc->taxTable()));
    case ViewMode::Check:
        return findings.size();
    case ViewMode::Vehicles:
        return fleet.vehicles.size();
    case ViewMode::Year:
        return year.quarters.size();
    }
    return 0;
}

Printout PreparePrintout(const CIftaDoc &doc, ViewMode mode, FuelRounding rounding,
                         CFilingSession *filing, CYearSession *year)
{
    Printout printout;
    printout.doc = &doc;
    printout.mode = mode;
    if (mode == ViewMode::Check)
        printout.findings = CheckQuarter(doc, doc.rates());
    if (mode == ViewMode::Vehicles)
        printout.fleet = ComputeFleetRecord(doc);
    if (mode == ViewMode::Year && year && !year->summary(printout.year))
        printout.year = YearSummary();
    if (mode != ViewMode::Report)
        return printout;
    printout.report = ComputeReport(doc, rounding);
    if (filing && filing->lateReturn(printout.report, printout.late))
        printout.hasLateReturn = printout.late.late();
    return printout;
}
