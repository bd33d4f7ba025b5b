#include "check/tablecountry.h"

#include "numbers/uitext.h"
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
    const std::string table = TableIsCanadian(rates)
                                  ? UiText("CheckRules", "for Canada (rates per litre)")
                                  : UiText("CheckRules", "for the US (rates per US gallon)");
    const std::string units = IsCanada(country) ? UiText("CheckRules", "kilometres and litres")
                                                : UiText("CheckRules", "miles and US gallons");
    return UiArgs(UiText("CheckRules", "The loaded tax-rate table is %1; the carrier's country "
                                       "\"%2\" reports in %3"),
                  {table, country, units});
}

std::string TableCountryNotice(const std::string &country, const LoadedTaxTable &rates)
{
    if (!TableCountryDiffers(country, rates))
        return {};
    return UiArgs(TableIsCanadian(rates)
                      ? UiText("CheckRules", "%1: load the US table (File > Load Tax Rates)")
                      : UiText("CheckRules", "%1: load the Canadian table (File > Load Tax Rates)"),
                  {TableCountryText(country, rates)});
}
