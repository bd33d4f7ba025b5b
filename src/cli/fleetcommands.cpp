// tollmark-cli subcommands on a fleet's record: vehicles.

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/listoutput.h"

#include "formats/recordfile.h"
#include "records/ciftadoc.h"
#include "report/vehiclerecord.h"

int CmdVehicles(int argc, char **argv)
{
    CliArgs args;
    if (!args.parse(argc, argv))
        return UsageError(args.error());
    if (args.positional().size() != 1)
        return UsageError("expected exactly one record file");
    if (args.value("rates").empty())
        return UsageError("missing --rates T.itx");
    CIftaDoc doc;
    if (const int failed = ReadRatesAndRecord(args, doc.rates(), doc))
        return failed;
    PrintHeadings(VehicleColumns());
    for (const ListLine &line : VehicleLines(ComputeFleetRecord(doc)))
        PrintListLine(line);
    return ExitOk;
}
