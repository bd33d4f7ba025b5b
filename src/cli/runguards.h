#pragma once

#include <string>

class CliArgs;

// What every tollmark-cli subcommand gets around it, in one place: an output named as one
// of its inputs is refused before anything is read, running out of memory is a clear
// failure instead of an abort, and output that could not be written to standard output
// fails the command.

// The failure text when the value of --out, --pdf or --csv names the same file as another
// argument (an input: the record, --rates, a CSV, ...), else empty.
std::string OutputOverInput(int argc, char **argv);

// Runs `run` over `args` (parsed from `argc`, `argv`): exit 1 with a message for an output
// over an input or for std::bad_alloc, and exit 1 when standard output could not be
// written (a full disk, a closed stream) though the command itself succeeded.
int RunGuarded(int (*run)(const CliArgs &args), const CliArgs &args, int argc, char **argv);
