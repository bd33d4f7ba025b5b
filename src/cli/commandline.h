#pragma once

// Runs the tollmark-cli command line `argv` (argv[0] the program, argv[1] the subcommand,
// every argument UTF-8): checks the subcommand's arguments against what it takes, runs
// it and gives its exit code (CliExit). Output goes to std::cout, failures to std::cerr.
int RunCommandLine(int argc, char **argv);
