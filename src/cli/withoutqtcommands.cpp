// The subcommands that need Qt (download: its network layer; print: its painter and PDF
// writer), as the build without Qt has them: each says so and exits as a usage error.
// The Qt build compiles downloadcommand.cpp and printcommands.cpp instead of this file.

#include "cli/cliargs.h"
#include "cli/commands.h"

namespace {

int NotInThisBuild(const char *subcommand)
{
    return UsageError(std::string(subcommand) + ": not available in this build");
}

} // namespace

int CmdDownload(const CliArgs &)
{
    return NotInThisBuild("download");
}

int CmdPrint(const CliArgs &)
{
    return NotInThisBuild("print");
}
