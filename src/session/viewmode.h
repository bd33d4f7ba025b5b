#pragma once

// What the form view shows, and so what File Print prints: the entry list (the record
// listing), the report (the return form) or the tax-rate table (its listing). The
// numbers are the view's mode numbers.
enum class ViewMode { EntryList = 0, Report = 1, TaxRates = 2 };
