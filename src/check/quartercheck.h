#pragma once

#include "check/finding.h"
#include "records/listcolumn.h"

#include <vector>

class CIftaDoc;
class LoadedTaxTable;

// The audit-readiness check of a quarter: every rule over the record and the loaded
// table, the findings listed rule by rule in the order of CheckRule and by trip number
// within a rule (findings without a trip keep the rule's own order, by jurisdiction slot),
// the exposure last. A correct quarter gives no finding but the exposure. The window and
// tollmark-cli both call this.
Findings CheckQuarter(const CIftaDoc &doc, const LoadedTaxTable &rates);

// The check list's four columns: "Rule", "Trip", "Jurisdiction", "Message".
std::vector<ListColumn> CheckColumns();
// One finding as a list line: the rule id, the trip number (empty for none), the
// jurisdiction's abbreviation and the message.
ListLine CheckLine(const Finding &finding);

// The question before the return form is printed while the check found problems.
std::string PrintAnywayQuestion(size_t problems);
