// tollmark-cli subcommand for the year at a glance: year.

#include "cli/cliargs.h"
#include "cli/cliprompts.h"
#include "cli/commands.h"
#include "cli/listoutput.h"

#include "platform/safefile.h"
#include "report/yearsummary.h"
#include "session/csession.h"
#include "sessionbase/sessionsettings.h"

int CmdYear(const CliArgs &args)
{
    if (args.positional().empty() || args.positional().size() > 4)
        return UsageError("expected one to four record files, a quarter each");
    CliPrompts prompts;
    MemorySettings settings;
    settings.whole = RoundingOption(args) == FuelRounding::WholeUnits;
    CSession session(prompts, settings);
    session.record().skipStartUpSteps();
    const Result rates = ReadRates(args.value("rates"), session.taxRates());
    if (!rates)
        return InputFailure(rates.message);

    YearSummary summary;
    const Result made = session.year().summarize(args.positional(), summary);
    if (!made)
        return InputFailure(made.message);
    PrintHeadings(YearColumns(summary.country));
    for (const ListLine &line : YearLines(summary))
        PrintListLine(line);
    if (args.has("csv")) {
        const Result written = SafeFile::writeAll(args.value("csv"), YearCsv(summary));
        if (!written)
            return InputFailure(written.message);
    }
    return ExitOk;
}
