#pragma once

#include "cli/cliargs.h"
#include "filing/latereturn.h"

#include <string>

class CFilingSession;
class MemorySettings;

// The filing options of tollmark-cli's late, export-summary and print: --filed DATE (the
// filing date; without it the return counts as filed on time), --due DATE (a due date set
// by hand) and --interest-rates FILE (else the table shipped with the program).
struct FilingOptions {
    bool filed = false;
    FilingChoices choices;
    std::string interestRates;
};

// False with `error` set on a date that is not YYYY-MM-DD, or --due without --filed.
bool ParseFilingOptions(const CliArgs &args, FilingOptions &options, std::string &error);

// Gives the options to the session's filing, after the record was read (a hand-set due
// date belongs to the record's quarter).
void ApplyFilingOptions(const FilingOptions &options, CFilingSession &filing,
                        MemorySettings &settings);
