#pragma once

#include "filing/latereturn.h"
#include "print/formcanvas.h"
#include "print/printsetup.h"
#include "records/ciftadoc.h"
#include "report/report.h"

// Part 3 of the Quebec tax authority's IFTA return ("Calcul de la taxe à payer selon le
// carburant utilisé", form CAZ-510), printed for a carrier in Canada whose province is
// "QC", always in kilometres and litres. It has the English form's grid, rows, box values
// and totals values, with French texts, the authority's emblem and its footnotes. The
// values are those of `report`, a report of `doc`; with a late return (`late`, else null)
// the Intérêts (P) and Total (Q) columns carry its interest, and a line under the totals'
// right-hand box its penalty and total due.
void PrintQuebecForm(FormCanvas &canvas, const CIftaDoc &doc, const Report &report,
                     PrintState &state, int page, const LateReturn *late = nullptr);

// Lowest form y any part of a Quebec page with `rowSlots` slots reaches (the definitions
// under the totals block).
int QuebecFormBottom(int rowSlots);
