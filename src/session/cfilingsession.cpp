#include "session/cfilingsession.h"

#include "filing/duedate.h"
#include "filing/filingsummary.h"
#include "platform/pathnames.h"
#include "platform/safefile.h"
#include "records/ciftadoc.h"
#include "session/dialogdata.h"
#include "session/sessionprompts.h"
#include "session/sessionsettings.h"

namespace {

constexpr const char *kRatesName = "interest-rates.tsv";

} // namespace

std::string FindShippedInterestRates(const std::string &programDir)
{
    std::vector<std::string> candidates;
    if (!programDir.empty())
        candidates.push_back(JoinPath(JoinPath(programDir, "../share/tollmark"), kRatesName));
#ifdef TOLLMARK_INSTALL_DATADIR
    candidates.push_back(JoinPath(TOLLMARK_INSTALL_DATADIR, kRatesName));
#endif
    for (const std::string &candidate : candidates) {
        if (IsReadableFile(candidate))
            return FullPath(candidate);
    }
    return {};
}

CFilingSession::CFilingSession(CIftaDoc &doc, SessionPrompts &prompts, SessionSettings &settings)
    : doc_(doc)
    , prompts_(prompts)
    , settings_(settings)
{
}

std::string CFilingSession::interestRatesPath()
{
    const std::string chosen = settings_.interestRatesFile();
    return chosen.empty() ? shippedRates_ : chosen;
}

bool CFilingSession::quarterIsValid() const
{
    const TaxPeriod &period = doc_.recordPeriod();
    return period.quarter >= 1 && period.quarter <= 4 && period.year >= 1 && period.year <= 9998;
}

void CFilingSession::setChoices(const FilingChoices &choices)
{
    choices_ = choices;
    hasFilingDate_ = true;
    dueYear_ = doc_.recordPeriod().year;
    dueQuarter_ = doc_.recordPeriod().quarter;
}

FilingChoices CFilingSession::currentChoices() const
{
    FilingChoices choices = choices_;
    const TaxPeriod &period = doc_.recordPeriod();
    if (period.year != dueYear_ || period.quarter != dueQuarter_)
        choices.dueSet = false;
    if (!hasFilingDate_)
        choices.filed = dueDate();
    return choices;
}

CivilDate CFilingSession::dueDate() const
{
    const TaxPeriod &period = doc_.recordPeriod();
    if (hasFilingDate_ && choices_.dueSet && period.year == dueYear_ &&
        period.quarter == dueQuarter_)
        return choices_.due;
    return quarterIsValid() ? FilingDueDate(period.year, period.quarter) : CivilDate{};
}

bool CFilingSession::editFilingDate(const CivilDate &today)
{
    if (!quarterIsValid()) {
        prompts_.warn("The record file has no valid quarter: set its tax period");
        return false;
    }
    const TaxPeriod &period = doc_.recordPeriod();
    FilingDialogData data;
    data.choices = currentChoices();
    if (!hasFilingDate_)
        data.choices.filed = today;
    data.computedDue = FilingDueDate(period.year, period.quarter);
    data.choices.due = dueDate();
    if (!prompts_.editFilingDate(data))
        return false;
    data.choices.dueSet = data.choices.due != data.computedDue;
    setChoices(data.choices);
    LateReturn late;
    const Result computed = lateReturn(late);
    if (!computed)
        prompts_.warn(computed.message);
    return true;
}

FuelRounding CFilingSession::rounding()
{
    return settings_.wholeUnits() ? FuelRounding::WholeUnits : FuelRounding::Hundredths;
}

Result CFilingSession::lateReturn(LateReturn &out)
{
    return lateReturn(ComputeReport(doc_, rounding()), out);
}

Result CFilingSession::lateReturn(const Report &report, LateReturn &out)
{
    const TaxPeriod &period = doc_.recordPeriod();
    const FilingChoices choices = currentChoices();
    InterestRateTable rates;
    // An on-time return needs no factors, so a missing table does not stand in its way.
    if (quarterIsValid() && choices.filed > dueDate()) {
        const std::string path = interestRatesPath();
        if (path.empty())
            return Result::cannotOpen("No interest-rate table: name one in Options");
        const Result read = rates.read(path);
        if (!read)
            return read;
    }
    return ComputeLateReturn(report, period.year, period.quarter, doc_.company().country, choices,
                             rates, out);
}

std::string CFilingSession::infoText()
{
    if (!quarterIsValid())
        return {};
    const FilingChoices choices = currentChoices();
    const TaxPeriod &period = doc_.recordPeriod();
    const int32_t months = MonthsLate(period.year, period.quarter, dueDate(), choices.filed);
    if (months > 0)
        return "Late: " + std::to_string(months) + (months == 1 ? " month" : " months");
    return "Due " + FormatIsoDate(dueDate());
}

bool CFilingSession::exportSummary()
{
    const std::string path = prompts_.saveFileName(kSummaryFileFilter, "summary.csv");
    if (path.empty())
        return false;
    const Result written = writeSummary(path);
    if (!written) {
        prompts_.warn(written.message);
        return false;
    }
    return true;
}

Result CFilingSession::writeSummary(const std::string &path)
{
    const Report report = ComputeReport(doc_, rounding());
    LateReturn late;
    const Result computed = lateReturn(report, late);
    if (!computed)
        return computed;
    return SafeFile::writeAll(path, FormatFilingSummary(doc_, report, late));
}
