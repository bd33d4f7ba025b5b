#include "cli/cliargs.h"
#include "cli/commands.h"

// TODO: not built yet.
int CmdReport(int, char **)
{
    return UsageError("not built yet");
}

int CmdImport(int, char **)
{
    return UsageError("not built yet");
}

int CmdMerge(int, char **)
{
    return UsageError("not built yet");
}

