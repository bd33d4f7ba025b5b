#include "cli/cliargs.h"
#include "cli/commands.h"

// TODO: not built yet.
int CmdPrint(int, char **)
{
    return UsageError("not built yet");
}

