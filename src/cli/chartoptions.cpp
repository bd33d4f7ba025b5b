#include "cli/chartoptions.h"

#include "cli/cliargs.h"
#include "formats/taxfile.h"
#include "platform/cp1252.h"

#include <iostream>

bool TakeCountry(const CliArgs &args, std::string &country, int &exitCode)
{
    country = args.value("country");
    if (country != "US" && country != "Canada") {
        exitCode = UsageError("--country takes US or Canada");
        return false;
    }
    return true;
}

void NoteUnmatched(const ChartParseReport &report)
{
    for (const std::string &name : report.unmatchedNames)
        std::cerr << "tollmark-cli: not in the tax-rate table, passed over: " << Cp1252ToUtf8(name)
                  << '\n';
}

int WriteTable(const std::string &out, const TaxRateTable &table, const TaxPeriod &period)
{
    const Result written = WriteTaxFile(out, table, period);
    if (!written)
        return InputFailure(written.message);
    return ExitOk;
}
