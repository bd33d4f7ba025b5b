#include "session/cfilingsession.h"

#include "filing/duedate.h"
#include "filing/filingsummary.h"
#include "numbers/uitext.h"
#include "platform/pathnames.h"
#include "platform/platformfile.h"
#include "platform/safefile.h"
#include "records/ciftadoc.h"
#include "sessionbase/dialogdata.h"
#include "sessionbase/outputcheck.h"
#include "sessionbase/sessionclock.h"
#include "sessionbase/sessionprompts.h"
#include "sessionbase/sessionsettings.h"

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

CFilingSession::CFilingSession(CIftaDoc &doc, const SessionClock &clock, SessionPrompts &prompts,
                               SessionSettings &settings)
    : doc_(doc)
    , clock_(clock)
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
        choices.filed = clock_.today();
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

bool CFilingSession::editFilingDate()
{
    if (!quarterIsValid()) {
        prompts_.warn(
            UiText("CFilingSession", "The record file has no valid quarter: set its tax period"));
        return false;
    }
    const TaxPeriod &period = doc_.recordPeriod();
    FilingDialogData data;
    data.choices = currentChoices();
    data.computedDue = FilingDueDate(period.year, period.quarter);
    data.choices.due = dueDate();
    bool accepted = false;
    for (;;) {
        findMissingFactor(data);
        if (!prompts_.editFilingDate(data))
            return accepted;
        accepted = true;
        data.choices.dueSet = data.choices.due != data.computedDue;
        setChoices(data.choices);
        if (!data.factorSet)
            break;
        const Result added = addInterestFactor(data.missingPeriod);
        if (!added) {
            prompts_.warn(added.message);
            return true;
        }
        data.factorSet = false;
        // Months in another period may still lack a factor: ask for the next one.
        findMissingFactor(data);
        if (data.missing.empty())
            break;
    }
    LateReturn late;
    const Result computed = lateReturn(late);
    if (!computed)
        prompts_.warn(computed.message);
    return true;
}

void CFilingSession::findMissingFactor(FilingDialogData &data)
{
    data.missing.clear();
    // No table, or one that cannot be read, is said when the return is computed: a
    // factor typed here would have nowhere to go.
    InterestRateTable rates;
    const std::string path = interestRatesPath();
    if (path.empty() || !rates.read(path))
        return;
    const TaxPeriod &period = doc_.recordPeriod();
    const std::string &country = doc_.company().country;
    FilingChoices choices = data.choices;
    choices.dueSet = choices.due != data.computedDue;
    CivilDate month;
    if (!MissingInterestMonth(period.year, period.quarter, country, choices, rates, month))
        return;
    const InterestBase base = InterestBaseOf(country);
    data.missingPeriod = rates.periodToAdd(base, month.year, month.month);
    data.missing = UiArgs(UiText("CFilingSession", "No interest factor for %1 %2"),
                          {InterestBaseName(base), FormatIsoDate(month).substr(0, 7)});
}

Result CFilingSession::addInterestFactor(const InterestPeriod &period)
{
    std::string own = settings_.interestRatesFile();
    if (own.empty() || (!shippedRates_.empty() && SameFile(own, shippedRates_)))
        own = settings_.ownInterestRatesFile();
    if (own.empty())
        return Result::failure(UiText(
            "CFilingSession", "No folder for your own interest-rate table: name one in Options"));
    // The user's copy starts as the table in use, so no published factor is lost.
    std::string text;
    const std::string from = IsReadableFile(own) ? own : interestRatesPath();
    if (!from.empty()) {
        const Result read = SafeFile::readAll(from, text, SafeFile::kTableFileLimit);
        if (!read)
            return read;
    }
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    text += "# Typed in Filing Date\n" + FormatInterestPeriod(period) + '\n';
    InterestRateTable check;
    Result written = check.parse(text);
    if (written)
        written = SafeFile::writeAll(own, text);
    if (written)
        settings_.setInterestRatesFile(own);
    return written;
}

FuelRounding CFilingSession::rounding()
{
    return settings_.wholeUnits() ? FuelRounding::WholeUnits : FuelRounding::Hundredths;
}

Result CFilingSession::lateReturn(LateReturn &out)
{
    return lateReturn(ComputeReport(doc_, rounding()), out);
}

Result CFilingSession::readRates(const FilingChoices &choices, InterestRateTable &rates)
{
    // An on-time return needs no factors, so a missing table does not stand in its way.
    if (!quarterIsValid() || choices.filed <= dueDate())
        return Result::success();
    const std::string path = interestRatesPath();
    if (path.empty())
        return Result::cannotOpen(
            UiText("CFilingSession", "No interest-rate table: name one in Options"));
    return rates.read(path);
}

Result CFilingSession::lateReturn(const Report &report, LateReturn &out)
{
    const TaxPeriod &period = doc_.recordPeriod();
    const FilingChoices choices = currentChoices();
    InterestRateTable rates;
    const Result read = readRates(choices, rates);
    if (!read)
        return read;
    return ComputeLateReturn(report, period.year, period.quarter, doc_.company().country, choices,
                             rates, out);
}

std::string CFilingSession::lateNotice()
{
    if (!quarterIsValid())
        return {};
    LateReturn late;
    const Result computed = lateReturn(late);
    return computed ? std::string() : computed.message;
}

std::string CFilingSession::infoText()
{
    if (!quarterIsValid())
        return {};
    const FilingChoices choices = currentChoices();
    const TaxPeriod &period = doc_.recordPeriod();
    const int32_t months = MonthsLate(period.year, period.quarter, dueDate(), choices.filed);
    if (months > 0)
        return UiArgs(months == 1 ? UiText("CFilingSession", "Late: %1 month")
                                  : UiText("CFilingSession", "Late: %1 months"),
                      {std::to_string(months)});
    return UiArgs(UiText("CFilingSession", "Due %1"), {FormatIsoDate(dueDate())});
}

bool CFilingSession::exportSummary()
{
    const std::string path = prompts_.saveFileName(kSummaryFileFilter, "summary.csv");
    if (path.empty())
        return false;
    // Never over the open record or the tax-rate table.
    Result written = OutputOverInput(path, {doc_.sourcePath(), settings_.defaultTaxFile()});
    if (written)
        written = writeSummary(path);
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
