#pragma once

#include "numbers/uitext.h"
#include "platform/result.h"
#include "report/report.h"
#include "report/yearsummary.h"

#include <string>
#include <vector>

class CFilingSession;
class CIftaDoc;
class SessionPrompts;
class SessionSettings;

constexpr const char *kYearCsvFilter =
    UI_TEXT_NOOP("FileFilters", "Year summary files (*.csv)|*.csv||");

// The year summary: the quarter files the user chose and their summary, made afresh each
// time it is asked for, so that it shows the files and the open record as they are now;
// its export as a CSV file. The open record may be one of the quarters: it is then taken
// as the window holds it, unsaved changes and the filing date set for it included.
class CYearSession
{
public:
    CYearSession(CIftaDoc &doc, CFilingSession &filing, SessionPrompts &prompts,
                 SessionSettings &settings);

    // View Year: asks for one to four quarter files. True when they make a summary and
    // are taken; a refusal is said and the quarters chosen before stay. False on cancel.
    bool chooseQuarters();
    // Takes `paths` as the quarters when they make a summary; else the refusal, and the
    // quarters stay as they were.
    Result setQuarters(const std::vector<std::string> &paths);
    const std::vector<std::string> &quarters() const { return paths_; }
    bool hasQuarters() const { return !paths_.empty(); }

    // The summary of the chosen quarters, read again now.
    Result summary(YearSummary &out);
    // The summary of the quarter files `paths`, in the report's rounding as the settings
    // say. Fails with the message to show: a file that cannot be read (named), or the
    // refusal of SummarizeYear.
    Result summarize(const std::vector<std::string> &paths, YearSummary &out);

    // "Export Year Summary": asks for the file and writes the year list as CSV; never over
    // a quarter, the open record or the tax-rate table. True when written.
    bool exportCsv();

private:
    Result readQuarter(const std::string &path, QuarterReport &quarter);
    // How the open record's return was filed: "filed 2025-08-30, 4 months late", "filed
    // 2025-04-28, on time", or "not set" while no filing date was chosen.
    std::string openRecordFiling() const;
    FuelRounding rounding();

    CIftaDoc &doc_;
    CFilingSession &filing_;
    SessionPrompts &prompts_;
    SessionSettings &settings_;
    std::vector<std::string> paths_;
};
