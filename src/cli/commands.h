#pragma once

// The tollmark-cli subcommands. Each takes the arguments after its own name and returns
// the exit code (0 success, 1 failure of the input, 2 usage error, 3 findings of a check
// asked to fail on them).

// Record and tax-rate files.
int CmdDumpRecord(int argc, char **argv);
int CmdDumpRates(int argc, char **argv);
int CmdEntries(int argc, char **argv);
int CmdRates(int argc, char **argv);
int CmdUpdateRates(int argc, char **argv);

// Editing, over the session functions of the window's Edit commands.
int CmdAddTrip(int argc, char **argv);
int CmdModifyTrip(int argc, char **argv);
int CmdDeleteTrip(int argc, char **argv);
int CmdSetRate(int argc, char **argv);

// Report, CSV import and merging.
int CmdReport(int argc, char **argv);
int CmdImport(int argc, char **argv);
int CmdMerge(int argc, char **argv);

// A fleet's vehicles.
int CmdVehicles(int argc, char **argv);

// The quarter check.
int CmdCheck(int argc, char **argv);

// Profiles.
int CmdDumpProfiles(int argc, char **argv);
int CmdProfilesAdd(int argc, char **argv);
int CmdProfilesDelete(int argc, char **argv);

// Rate chart.
int CmdParseChart(int argc, char **argv);
int CmdDownload(int argc, char **argv);

// Filing: late returns and the summary for filing portals.
int CmdLate(int argc, char **argv);
int CmdExportSummary(int argc, char **argv);

// Printing to PDF.
int CmdPrint(int argc, char **argv);
