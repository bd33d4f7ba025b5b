#include "session/cyearsession.h"

#include "filing/duedate.h"
#include "formats/recordfile.h"
#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "platform/pathnames.h"
#include "platform/platformfile.h"
#include "platform/safefile.h"
#include "records/ciftadoc.h"
#include "session/cfilingsession.h"
#include "sessionbase/outputcheck.h"
#include "sessionbase/sessionprompts.h"
#include "sessionbase/sessionsettings.h"

CYearSession::CYearSession(CIftaDoc &doc, CFilingSession &filing, SessionPrompts &prompts,
                           SessionSettings &settings)
    : doc_(doc)
    , filing_(filing)
    , prompts_(prompts)
    , settings_(settings)
{
}

FuelRounding CYearSession::rounding()
{
    return settings_.wholeUnits() ? FuelRounding::WholeUnits : FuelRounding::Hundredths;
}

bool CYearSession::chooseQuarters()
{
    const std::vector<std::string> paths = prompts_.openFileNames(kRecordFileFilter);
    if (paths.empty())
        return false;
    const Result taken = setQuarters(paths);
    if (!taken)
        prompts_.warn(taken.message);
    return taken.ok();
}

Result CYearSession::setQuarters(const std::vector<std::string> &paths)
{
    YearSummary summary;
    const Result made = summarize(paths, summary);
    if (made)
        paths_ = paths;
    return made;
}

Result CYearSession::summary(YearSummary &out)
{
    return summarize(paths_, out);
}

Result CYearSession::summarize(const std::vector<std::string> &paths, YearSummary &out)
{
    if (paths.empty() || paths.size() > 4)
        return Result::failure(
            UiText("CYearSession", "A year summary takes one to four quarter files."));
    std::vector<QuarterReport> quarters(paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        if (const Result read = readQuarter(paths[i], quarters[i]); !read)
            return read;
    }
    return SummarizeYear(std::move(quarters), doc_.taxTable(), out);
}

Result CYearSession::readQuarter(const std::string &path, QuarterReport &quarter)
{
    quarter.name = Utf8ToCp1252(FileNameOf(path));
    if (!doc_.sourcePath().empty() && SameFile(path, doc_.sourcePath())) {
        quarter.company = doc_.company();
        quarter.period = doc_.recordPeriod();
        quarter.report = ComputeReport(doc_, rounding());
        quarter.filing = openRecordFiling();
        return Result::success();
    }
    // Read as `report` reads it: a block at a time, keeping no line.
    CIftaDoc record(&doc_.rates());
    int otherRates = 0;
    const Result read = ReportRecordFile(record, path, rounding(), quarter.report, otherRates);
    if (!read) {
        // "Incompatible file format" alone would not say which quarter it is.
        const bool named = read.message.find(quarter.name) != std::string::npos;
        return Result{read.status, named ? read.message : quarter.name + ": " + read.message};
    }
    quarter.company = record.company();
    quarter.period = record.recordPeriod();
    return Result::success();
}

std::string CYearSession::openRecordFiling() const
{
    if (!filing_.hasFilingDate())
        return kFilingNotSet;
    const TaxPeriod &period = doc_.recordPeriod();
    const CivilDate filed = filing_.currentChoices().filed;
    const int32_t months = MonthsLate(period.year, period.quarter, filing_.dueDate(), filed);
    std::string text = "filed " + FormatIsoDate(filed) + ", ";
    if (months <= 0)
        return text + "on time";
    return text + std::to_string(months) + (months == 1 ? " month late" : " months late");
}

bool CYearSession::exportCsv()
{
    YearSummary made;
    Result written = summary(made);
    if (written) {
        const std::string path =
            prompts_.saveFileName(kYearCsvFilter, "year-" + std::to_string(made.year) + ".csv");
        if (path.empty())
            return false;
        std::vector<std::string> inputs = paths_;
        inputs.push_back(doc_.sourcePath());
        inputs.push_back(settings_.defaultTaxFile());
        written = OutputOverInput(path, inputs);
        if (written)
            written = SafeFile::writeAll(path, YearCsv(made));
    }
    if (!written)
        prompts_.warn(written.message);
    return written.ok();
}
