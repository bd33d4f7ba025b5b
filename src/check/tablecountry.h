#pragma once

#include <string>

class LoadedTaxTable;

// A tax-rate table is in the units of its country: the Canadian table's rates are
// dollars per litre, the US table's dollars per US gallon. A carrier whose country is
// exactly "Canada" reports in kilometres and litres, any other in miles and US gallons.
// A record taxed with the other country's table is wrong by the factor between the two
// (South Dakota 0.1013 a litre for 0.2800 a gallon), so the check, the report view, File
// New and Company Info all say so.

// Whether the loaded table's country gives another unit system than a carrier in
// `country`. False while no table is loaded.
bool TableCountryDiffers(const std::string &country, const LoadedTaxTable &rates);

// "The loaded tax-rate table is for Canada (rates per litre); the carrier's country
// "US" reports in miles and US gallons".
std::string TableCountryText(const std::string &country, const LoadedTaxTable &rates);

// The line above the report: the text, then ": load the US table (File > Load Tax
// Rates)". Empty when the table fits the carrier.
std::string TableCountryNotice(const std::string &country, const LoadedTaxTable &rates);
