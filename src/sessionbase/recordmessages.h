#pragma once

#include <string>

class CIftaDoc;
struct TaxPeriod;

// The sentences the record file's use cases ask and tell with, built from whole
// translatable texts and their figures.

// "The dates are in 3Q2026; the record is 2Q2026. Change the record to 3Q2026?"
std::string DatesQuarterQuestion(const TaxPeriod &dates, const TaxPeriod &record);

// What a record file of the older layout (no fuel type) is told with: `written` false
// when it has just been opened (the record keeps the fuel type it had; a save writes the
// current layout), true once it was written again in the current layout.
std::string OlderLayoutNotice(const std::string &path, const CIftaDoc &doc, bool written);

// The question of offering Load Tax Rates, after the TableCountryText of the record.
std::string TableCountryQuestion(const std::string &mismatch);
