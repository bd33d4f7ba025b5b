#include "cli/filingoptions.h"

#include "filing/duedate.h"
#include "numbers/civildate.h"
#include "platform/platformfile.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "sessionbase/sessionsettings.h"

#include <cstdlib>
#include <iostream>

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

void ApplyFilingOptions(const FilingOptions &options, CSession &session, MemorySettings &settings)
{
    settings.interestRates = options.interestRates;
    CFilingSession &filing = session.filing();
    filing.setShippedInterestRates(FindShippedInterestRates(RunningProgramFolder()));
    CivilDate today;
    const char *fixed = std::getenv("TOLLMARK_TODAY");
    if (fixed && ParseIsoDate(fixed, today))
        session.clock().fix(today);
    if (options.filed)
        filing.setChoices(options.choices);
}

void SayFilingDate(const FilingOptions &options, CSession &session)
{
    if (options.filed)
        return;
    const CFilingSession &filing = session.filing();
    const FilingChoices choices = filing.currentChoices();
    const TaxPeriod &period = session.document().recordPeriod();
    std::cerr << "Filed " << FormatIsoDate(choices.filed) << ": ";
    if (period.quarter < 1 || period.quarter > 4 || period.year < kFirstYear ||
        period.year > kLastYear) {
        std::cerr << "the record has no valid quarter\n";
        return;
    }
    const int32_t months = MonthsLate(period.year, period.quarter, filing.dueDate(), choices.filed);
    if (months > 0)
        std::cerr << months << (months == 1 ? " month" : " months") << " late\n";
    else
        std::cerr << "on time, due " << FormatIsoDate(filing.dueDate()) << '\n';
}
