#pragma once

// What the form view shows, and so what File Print prints: the entry list (the record
// listing), the report (the return form), the tax-rate table (its listing) or the
// quarter check (the check listing), the fleet's vehicles (the vehicle records) or the
// year summary (its listing). The numbers are the view's mode numbers.
enum class ViewMode { EntryList = 0, Report = 1, TaxRates = 2, Check = 3, Vehicles = 4, Year = 5 };

// Number of view modes, for tables indexed by mode.
constexpr int kViewModeCount = 6;
