#pragma once

#include "check/finding.h"
#include "report/report.h"
#include "session/viewmode.h"

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

    // The number of things the printout lists: trip lines, report rows, shown tax-rate
    // slots or findings. Nothing to print when 0.
    size_t itemCount() const;
};

// The printout of `doc` in `mode`; the report is computed, in `rounding`, only for the
// return form, the check (against the document's loaded table) only for the check listing.
Printout PreparePrintout(const CIftaDoc &doc, ViewMode mode,
                         FuelRounding rounding = FuelRounding::Cents);
