#pragma once

#include "numbers/uitext.h"
#include "platform/result.h"
#include "records/taxperiod.h"
#include "records/taxratetable.h"

#include <string>

// The tax-rate file (*.itx): a "#TAXHEAD#" header line with the table's period, then one
// tab-separated line per slot.
constexpr const char *kTaxFileFilter =
    UI_TEXT_NOOP("FileFilters", "IFTA tax files (*.itx)|*.itx||");
constexpr const char *kWrongTaxFileFormat =
    UI_TEXT_NOOP("Messages", "Wrong file format. Tax not loaded.");

constexpr const char *kExtraSlotLines = UI_TEXT_NOOP(
    "Messages",
    "The tax-rate file has more than 72 slot lines; the lines after the 72nd are ignored.");

// Reads tax-file text into the table and its period. Without "#TAXHEAD#" at the very
// start the table and period are left as they were and the result carries
// "Wrong file format. Tax not loaded."; so too, with the line number, for a rate outside
// 0 to 10. More than 72 slot lines read the first 72, and the success carries
// kExtraSlotLines.
Result ParseTaxText(const std::string &text, TaxRateTable &table, TaxPeriod &period);

// The file text of a table: header from `period`, then all 72 slot lines.
std::string FormatTaxText(const TaxRateTable &table, const TaxPeriod &period);

// Reads a tax-rate file; a file that cannot be opened fails with CannotOpen and a message
// naming it, and leaves the table and period untouched. So does, with BadFormat and its
// reason, a file whose header gives no year and quarter (1 to 4) or whose first slot
// line names no jurisdiction.
Result ReadTaxFile(const std::string &path, TaxRateTable &table, TaxPeriod &period);

// Writes a tax-rate file through a temporary file renamed into place.
Result WriteTaxFile(const std::string &path, const TaxRateTable &table, const TaxPeriod &period);
