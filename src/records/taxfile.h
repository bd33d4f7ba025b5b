#pragma once

#include "records/result.h"
#include "records/taxperiod.h"
#include "records/taxratetable.h"

#include <string>

// The tax-rate file (*.itx): a "#TAXHEAD#" header line with the table's period, then one
// tab-separated line per slot.
constexpr const char *kTaxFileFilter = "IFTA tax files (*.itx)|*.itx||";
constexpr const char *kWrongTaxFileFormat = "Wrong file format. Tax not loaded.";

// Reads tax-file text into the table and its period. Without "#TAXHEAD#" at the very
// start the table and period are left as they were and the result carries
// "Wrong file format. Tax not loaded.".
Result ParseTaxText(const std::string &text, TaxRateTable &table, TaxPeriod &period);

// The file text of a table: header from `period`, then all 72 slot lines.
std::string FormatTaxText(const TaxRateTable &table, const TaxPeriod &period);

// Reads a tax-rate file; a file that cannot be opened fails with an empty message.
Result ReadTaxFile(const std::string &path, TaxRateTable &table, TaxPeriod &period);

// Writes a tax-rate file through a temporary file renamed into place.
Result WriteTaxFile(const std::string &path, const TaxRateTable &table, const TaxPeriod &period);

// What loading the default tax-rate file did (at the first document, at every later
// File New and after the Preferences dialog).
struct DefaultTaxFileLoad {
    bool ok = false;           // a file was opened and read (a refused file counts)
    std::string path;          // the file tried
    bool rememberPath = false; // the settings had no default: store `path` as it
    Result read;               // the reading's own result, "Wrong file format. ..." when refused
};

// Loads the default tax-rate file: `defaultTaxFile` (the settings' "TaxFile" /
// "DefaultTaxFile") when it is not empty, else "ifta.itx" in `currentDirectory`. Fails
// without a message when the current directory is needed but unknown (empty) or the
// file cannot be opened; the table is then untouched. On success the caller sets the
// record's year and quarter from `period`, and stores `path` when `rememberPath` is set.
DefaultTaxFileLoad LoadDefaultTaxFile(const std::string &defaultTaxFile,
                                      const std::string &currentDirectory, TaxRateTable &table,
                                      TaxPeriod &period);

// The same with the process's current directory.
DefaultTaxFileLoad LoadDefaultTaxFile(const std::string &defaultTaxFile, TaxRateTable &table,
                                      TaxPeriod &period);
