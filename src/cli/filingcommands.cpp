// tollmark-cli subcommands for filing a return: late (due date, months late, interest,
// penalty, total) and export-summary (the CSV for filing portals).

#include "cli/cliargs.h"
#include "cli/cliprompts.h"
#include "cli/commands.h"
#include "cli/filingoptions.h"

#include "formats/recordfile.h"
#include "numbers/decimaltext.h"
#include "platform/cp1252.h"
#include "session/csession.h"
#include "sessionbase/sessionsettings.h"

#include <iostream>

namespace {

// The record and the --rates table read into `session`, the filing options applied.
// False with the exit code in `exitCode` after printing why.
bool LoadReturn(const CliArgs &args, CSession &session, MemorySettings &settings, int &exitCode)
{
    FilingOptions options;
    std::string error;
    if (!ParseFilingOptions(args, options, error)) {
        exitCode = UsageError(error);
        return false;
    }
    session.record().skipStartUpSteps();
    exitCode = ReadRatesAndRecord(args, session.taxRates(), session.document());
    if (exitCode != ExitOk)
        return false;
    ApplyFilingOptions(options, session, settings);
    SayFilingDate(options, session);
    return true;
}

void PrintLine(const std::string &label, const std::string &value)
{
    std::cout << Cp1252ToUtf8(label) << '\t' << Cp1252ToUtf8(value) << '\n';
}

} // namespace

int CmdLate(const CliArgs &args)
{
    CliPrompts prompts;
    MemorySettings settings;
    CSession session(prompts, settings);
    int exitCode = ExitOk;
    if (!LoadReturn(args, session, settings, exitCode))
        return exitCode;

    LateReturn late;
    const Result computed = session.filing().lateReturn(late);
    if (!computed)
        return InputFailure(computed.message);
    PrintLine("Due", FormatIsoDate(late.due));
    PrintLine("Months late", std::to_string(late.monthsLate));
    std::cout << "Abbrev\tTax\tInterest\n";
    const TaxRateTable &table = session.document().taxTable();
    for (const LateReturnRow &row : late.rows) {
        const std::string abbreviation =
            TaxRateTable::isValidSlot(row.slot) ? table[row.slot].abbreviation : std::string();
        std::cout << Cp1252ToUtf8(abbreviation) << '\t' << FormatFixed(row.tax) << '\t'
                  << FormatFixed(row.interest) << '\n';
    }
    PrintLine("Interest total", FormatFixed(late.interestTotal));
    PrintLine("Penalty", FormatFixed(late.penalty));
    PrintLine("Total due", FormatFixed(late.totalDue));
    return ExitOk;
}

int CmdExportSummary(const CliArgs &args)
{
    CliPrompts prompts;
    MemorySettings settings;
    // Whole gallons or litres, as most filing portals expect, when asked for.
    settings.whole = args.has("whole-units");
    CSession session(prompts, settings);
    int exitCode = ExitOk;
    if (!LoadReturn(args, session, settings, exitCode))
        return exitCode;
    const Result written = session.filing().writeSummary(args.value("out"));
    if (!written)
        return InputFailure(written.message);
    return ExitOk;
}
