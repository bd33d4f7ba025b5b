// tollmark-cli subcommands on a fleet's record: vehicles.

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/listoutput.h"

#include "formats/recordfile.h"
#include "records/ciftadoc.h"
#include "report/vehiclerecord.h"

int CmdVehicles(const CliArgs &args)
{
    CIftaDoc doc;
    if (const int failed = ReadRatesAndRecord(args, doc.rates(), doc))
        return failed;
    PrintHeadings(VehicleColumns());
    for (const ListLine &line : VehicleLines(ComputeFleetRecord(doc)))
        PrintListLine(line);
    return ExitOk;
}
