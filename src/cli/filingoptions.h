#pragma once

#include "cli/cliargs.h"
#include "filing/latereturn.h"

#include <string>

class CSession;
class MemorySettings;

// The filing options of tollmark-cli's late, export-summary and print: --filed DATE (the
// filing date; without it the return is filed today, TOLLMARK_TODAY=YYYY-MM-DD in the
// environment fixing the day), --due DATE (a due date set by hand) and --interest-rates
// FILE (else the table shipped with the program).
struct FilingOptions {
    bool filed = false;
    FilingChoices choices;
    std::string interestRates;
};

// False with `error` set on a date that is not YYYY-MM-DD, or --due without --filed.
bool ParseFilingOptions(const CliArgs &args, FilingOptions &options, std::string &error);

// Gives the options to the session's filing, after the record was read (a hand-set due
// date belongs to the record's quarter).
void ApplyFilingOptions(const FilingOptions &options, CSession &session, MemorySettings &settings);

// Without --filed, says on standard error which day the return counts as filed and how
// it stands then ("Filed 2026-12-09: 4 months late"), so that nobody takes a return
// filed today for the one they meant.
void SayFilingDate(const FilingOptions &options, CSession &session);
