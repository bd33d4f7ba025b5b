// tollmark-cli check: the quarter check of a record against a tax-rate table.

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/listoutput.h"

#include "check/quartercheck.h"
#include "formats/recordfile.h"
#include "records/ciftadoc.h"
#include "session/ctaxsession.h"

int CmdCheck(const CliArgs &args)
{

    CIftaDoc doc;
    if (const int failed = ReadRatesAndRecord(args, doc.rates(), doc))
        return failed;

    const Findings findings = CheckQuarter(doc, doc.rates());
    PrintHeadings(CheckColumns());
    for (const Finding &finding : findings)
        PrintListLine(CheckLine(finding));
    // Findings are the subcommand's result, not a failure; scripts that want to stop on
    // them ask for it.
    if (args.has("fail-on-findings") && CountProblems(findings) > 0)
        return ExitFindings;
    return ExitOk;
}
