#include "cli/filingoptions.h"

#include "numbers/civildate.h"
#include "platform/platformfile.h"
#include "session/cfilingsession.h"
#include "session/sessionsettings.h"

namespace {

bool DateOption(const CliArgs &args, const std::string &name, CivilDate &date, std::string &error)
{
    if (ParseIsoDate(args.value(name), date))
        return true;
    error = "--" + name + " takes a date YYYY-MM-DD";
    return false;
}

} // namespace

bool ParseFilingOptions(const CliArgs &args, FilingOptions &options, std::string &error)
{
    options.interestRates = args.value("interest-rates");
    options.filed = args.has("filed");
    if (!options.filed) {
        if (!args.has("due"))
            return true;
        error = "--due needs --filed";
        return false;
    }
    if (!DateOption(args, "filed", options.choices.filed, error))
        return false;
    options.choices.dueSet = args.has("due");
    return !options.choices.dueSet || DateOption(args, "due", options.choices.due, error);
}

void ApplyFilingOptions(const FilingOptions &options, CFilingSession &filing,
                        MemorySettings &settings)
{
    settings.interestRates = options.interestRates;
    filing.setShippedInterestRates(FindShippedInterestRates(RunningProgramFolder()));
    if (options.filed)
        filing.setChoices(options.choices);
}
