#pragma once

// What the session tests share: a temporary folder, prompts that answer from a script, and
// a session over its own program state, settings and profiles store.

#include "formats/recordfile.h"
#include "platform/platformfile.h"
#include "profiles/cprofilestore.h"
#include "records/ciftadoc.h"
#include "session/crecordsession.h"
#include "session/ctaxsession.h"
#include "session/scriptedsessionprompts.h"
#include "sessionbase/dialogdata.h"
#include "sessionbase/programstate.h"
#include "sessionbase/sessionprompts.h"
#include "sessionbase/sessionsettings.h"

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
    TempDir() { path_ = MakeTemporaryFolder(::testing::TempDir(), "tollmark-session-"); }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    // `name` in the folder, spelt as the system spells paths ("C:\\...\\name" on Windows).
    std::string file(const std::string &name) const
    {
        return Utf8FromPath(PathFromUtf8(path_) / PathFromUtf8(name));
    }

private:
    std::string path_;
};

// The session's questions answered from a script.
using ScriptedPrompts = ScriptedSessionPrompts<SessionPrompts>;

// A record session as the window builds one, past its start-up steps unless
// `startedUp` is false. The default tax file is one that does not exist, so a new record
// reads no table from the current folder.
struct SessionRig {
    explicit SessionRig(bool startedUp = true)
    {
        settings.taxFile = folder.file("none.itx");
        settings.profilesFile = folder.file("ifta.usr");
        if (startedUp)
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
