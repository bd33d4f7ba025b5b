#include "check/tablecountry.h"

#include "records/loadedtaxtable.h"
#include "records/taxlist.h"
#include "records/units.h"

namespace {

bool TableIsCanadian(const LoadedTaxTable &rates)
{
    return IsCanada(rates.period().country);
}

} // namespace

bool TableCountryDiffers(const std::string &country, const LoadedTaxTable &rates)
{
    return IsTaxTableLoaded(rates.table()) && IsCanada(country) != TableIsCanadian(rates);
}

std::string TableCountryText(const std::string &country, const LoadedTaxTable &rates)
{
    const std::string table = TableIsCanadian(rates) ? "for Canada (rates per litre)"
                                                     : "for the US (rates per US gallon)";
    const std::string units = IsCanada(country) ? "kilometres and litres" : "miles and US gallons";
    return "The loaded tax-rate table is " + table + "; the carrier's country \"" + country +
           "\" reports in " + units;
}

std::string TableCountryNotice(const std::string &country, const LoadedTaxTable &rates)
{
    if (!TableCountryDiffers(country, rates))
        return {};
    const std::string other = TableIsCanadian(rates) ? "US" : "Canadian";
    return TableCountryText(country, rates) + ": load the " + other +
           " table (File > Load Tax Rates)";
}
