#include "cli/cliargs.h"
#include "cli/commands.h"

// TODO: not built yet.
int CmdDumpRecord(int, char **)
{
    return UsageError("not built yet");
}

int CmdDumpRates(int, char **)
{
    return UsageError("not built yet");
}

int CmdEntries(int, char **)
{
    return UsageError("not built yet");
}

int CmdRates(int, char **)
{
    return UsageError("not built yet");
}

int CmdUpdateRates(int, char **)
{
    return UsageError("not built yet");
}

