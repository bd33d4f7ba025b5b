#pragma once

#include "cli/cliargs.h"

#include <chrono>

// The tollmark-cli subcommands. Each takes its arguments as main.cpp's table checked them
// (only options it takes, its required options and file present) and returns
// the exit code (0 success, 1 failure of the input, 2 usage error, 3 findings of a check
// asked to fail on them).

// Record and tax-rate files.
int CmdDumpRecord(const CliArgs &args);
int CmdDumpRates(const CliArgs &args);
int CmdEntries(const CliArgs &args);
int CmdRates(const CliArgs &args);
int CmdUpdateRates(const CliArgs &args);

// Editing, over the session functions of the window's Edit commands.
int CmdAddTrip(const CliArgs &args);
int CmdModifyTrip(const CliArgs &args);
int CmdDeleteTrip(const CliArgs &args);
int CmdSetRate(const CliArgs &args);

// Report, CSV import and merging.
int CmdReport(const CliArgs &args);
int CmdImport(const CliArgs &args);
int CmdMerge(const CliArgs &args);

// The year at a glance: one to four quarters of one carrier.
int CmdYear(const CliArgs &args);

// A fleet's vehicles.
int CmdVehicles(const CliArgs &args);

// The quarter check.
int CmdCheck(const CliArgs &args);

// Profiles. The store waits for another instance holding the file as long as the
// window's does; `lockWait` tells another wait.
int CmdDumpProfiles(const CliArgs &args);
int CmdProfilesAdd(const CliArgs &args);
int CmdProfilesDelete(const CliArgs &args);
int ProfilesAdd(const CliArgs &args, std::chrono::milliseconds lockWait);
int ProfilesDelete(const CliArgs &args, std::chrono::milliseconds lockWait);

// Rate chart.
int CmdParseChart(const CliArgs &args);
int CmdDownload(const CliArgs &args);

// Filing: late returns and the summary for filing portals.
int CmdLate(const CliArgs &args);
int CmdExportSummary(const CliArgs &args);

// Printing to PDF.
int CmdPrint(const CliArgs &args);
