#include "session/printout.h"

#include "check/quartercheck.h"
#include "records/ciftadoc.h"
#include "records/taxlist.h"

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
    }
    return 0;
}

Printout PreparePrintout(const CIftaDoc &doc, ViewMode mode, FuelRounding rounding)
{
    Printout printout;
    printout.doc = &doc;
    printout.mode = mode;
    if (mode == ViewMode::Report)
        printout.report = ComputeReport(doc, rounding);
    if (mode == ViewMode::Check)
        printout.findings = CheckQuarter(doc, doc.rates());
    return printout;
}
