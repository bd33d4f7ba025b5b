#include "cli/cliargs.h"
#include "cli/commands.h"

// TODO: not built yet.
int CmdDumpProfiles(int, char **)
{
    return UsageError("not built yet");
}

int CmdProfilesAdd(int, char **)
{
    return UsageError("not built yet");
}

int CmdProfilesDelete(int, char **)
{
    return UsageError("not built yet");
}

