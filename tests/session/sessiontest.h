#pragma once

// What the session tests share: a temporary folder, prompts that answer from a script, and
// a session over its own program state, settings and profiles store.

#include "profiles/cprofilestore.h"
#include "records/ciftadoc.h"
#include "records/recordfile.h"
#include "session/crecordsession.h"
#include "session/ctaxsession.h"
#include "session/dialogdata.h"
#include "session/programstate.h"
#include "session/sessionprompts.h"
#include "session/sessionsettings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sessiontest {

inline std::string fixture(const std::string &name)
{
    return std::string(TOLLMARK_TEST_DATA) + "/" + name;
}

// A fresh folder under the test's temporary directory, removed again at the end.
class TempDir
{
public:
    TempDir()
    {
        std::string pattern = ::testing::TempDir() + "tollmark-session-XXXXXX";
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Every text shown is kept in `shown`; questions and file dialogs answer from queues (No,
// Cancel and "cancelled" once a queue is empty); the company dialog is counted and answers
// Cancel unless the test gives it a function, and so do the other dialogs.
class ScriptedPrompts : public SessionPrompts
{
public:
    void warn(const std::string &text) override { shown.push_back(text); }
    void inform(const std::string &text) override { shown.push_back(text); }
    bool askYesNo(const std::string &text) override
    {
        shown.push_back(text);
        return next(answers, Answer::No) == Answer::Yes;
    }
    Answer askYesNoCancel(const std::string &text) override
    {
        shown.push_back(text);
        return next(answers, Answer::Cancel);
    }
    std::string openFileName(const std::string &) override { return next(files, {}); }
    std::string saveFileName(const std::string &, const std::string &) override
    {
        return next(files, {});
    }
    CompanyResult editCompany(CompanyDialogData &data, CProfileStore *) override
    {
        ++companyDialogs;
        return company ? company(data) : CompanyResult::Cancel;
    }
    bool chooseProfile(CProfileStore &, ProfileRecord &) override { return false; }
    bool chooseImport(ImportDialogData &data) override { return import ? import(data) : false; }
    bool runMerge(CIftaDoc &doc) override { return merge ? merge(doc) : false; }
    bool editTaxPeriod(TaxPeriod &) override { return false; }
    bool editPreferences(PreferencesData &) override { return false; }

    std::vector<std::string> shown;
    std::deque<Answer> answers;
    std::deque<std::string> files;
    int companyDialogs = 0;
    std::function<CompanyResult(CompanyDialogData &)> company;
    std::function<bool(ImportDialogData &)> import;
    std::function<bool(CIftaDoc &)> merge;

private:
    template <class T>
    static T next(std::deque<T> &queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

// A record session as the window builds one, past its start-up steps. The default tax
// file is one that does not exist, so a new record reads no table from the current folder.
struct SessionRig {
    SessionRig()
    {
        settings.taxFile = folder.file("none.itx");
        session.skipStartUpSteps();
    }

    TempDir folder;
    ProgramState state;
    CIftaDoc doc{&state.taxRates};
    MemorySettings settings;
    CProfileStore profiles;
    ScriptedPrompts prompts;
    CTaxSession tax{state.taxRates, prompts, settings};
    CRecordSession session{doc, state, tax, profiles, prompts, settings};
};

// Writes a record file of `company` with `lines` for `period` at `path`.
inline void WriteRecord(const std::string &path, const CompanyInfo &company,
                        CIftaDoc::Entries lines, const TaxPeriod &period)
{
    CIftaDoc source;
    source.setCompany(company);
    source.setRecordPeriod(period);
    source.replaceEntries(std::move(lines));
    ASSERT_TRUE(WriteRecordFile(source, path).ok());
}

} // namespace sessiontest
