#include "cli/cliargs.h"
#include "cli/commands.h"

// TODO: not built yet.
int CmdParseChart(int, char **)
{
    return UsageError("not built yet");
}

int CmdDownload(int, char **)
{
    return UsageError("not built yet");
}

