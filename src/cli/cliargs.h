#pragma once

#include "platform/result.h"
#include "records/loadedtaxtable.h"
#include "report/report.h"

#include <map>
#include <string>
#include <vector>

// What one tollmark-cli subcommand takes, checked the same way for every subcommand
// before it runs: its options with a value and its flags, the options it cannot run
// without (each as its usage line shows it: "--rates T.itx"), and, when `oneFile` names
// it ("record file"), exactly one file argument.
struct CliOptions {
    std::vector<std::string> values;
    std::vector<std::string> flags;
    std::vector<std::string> required;
    std::string oneFile;
};

// The arguments of one tollmark-cli subcommand: positional values in order and
// "--name value" options (a flag takes no value).
class CliArgs
{
public:
    // Parses argv after the subcommand name against what the subcommand takes. Returns
    // false with `error` set on an option it does not take, an option without its value,
    // a required option missing or the wrong number of files.
    bool parse(int argc, char **argv, const CliOptions &options);

    const std::vector<std::string> &positional() const { return positional_; }
    bool has(const std::string &name) const { return options_.count(name) != 0; }
    std::string value(const std::string &name, const std::string &fallback = {}) const;
    const std::string &error() const { return error_; }

private:
    bool takeOptions(int argc, char **argv, const CliOptions &options);
    bool checkRequired(const CliOptions &options);

    std::vector<std::string> positional_;
    std::map<std::string, std::string> options_;
    std::string error_;
};

// The report's rounding a subcommand was given: whole units with --whole-units.
FuelRounding RoundingOption(const CliArgs &args);

// Exit codes of every subcommand.
// ExitFindings: `check --fail-on-findings` found a problem (a finding other than the exposure).
enum CliExit { ExitOk = 0, ExitInputFailure = 1, ExitUsage = 2, ExitFindings = 3 };

// Prints a usage failure to standard error and gives ExitUsage.
int UsageError(const std::string &text);

// Prints one of the program's own failure texts (Windows-1252 bytes) to standard error
// as UTF-8 and gives ExitInputFailure.
int InputFailure(const std::string &text);

// CTaxSession::ReadTaxFileInto, and on standard error the note of a file read with lines
// passed over (more than 72 slot lines).
Result ReadRates(const std::string &path, LoadedTaxTable &rates);

// The table of --rates into `rates`, then the record file of the first argument into
// `doc`, as most subcommands start. ExitOk, or ExitInputFailure after printing why.
int ReadRatesAndRecord(const CliArgs &args, LoadedTaxTable &rates, CIftaDoc &doc);
