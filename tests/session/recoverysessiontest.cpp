// Recovery copies of unsaved changes: a run killed with unsaved changes is recovered
// exactly by the next start, a run that is still there (a second window) keeps its
// copies, and a save, another record, a normal end or recovery turned off leave none.

#include "posixonly.h"
#include "sessiontest.h"

#include "platform/pathnames.h"
#include "platform/safefile.h"
#include "session/crecoverysession.h"
#include "session/csession.h"
#include "sessionbase/recoverynote.h"

#include <set>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace sessiontest;
using RecoveryAnswer = SessionPrompts::RecoveryAnswer;
using Answer = SessionPrompts::Answer;

namespace {

std::string Bytes(const std::string &path)
{
    std::string bytes;
    return SafeFile::readAll(path, bytes, SafeFile::kRecordFileLimit).ok() ? bytes : "<none>";
}

// A clock and processes of the test's choosing.
class FakeEnvironment : public RecoveryEnvironment
{
public:
    int64_t now() override { return clock; }
    std::string timeText(int64_t seconds) override { return "t" + std::to_string(seconds); }
    uint64_t processId() override { return pid; }
    bool processRunning(uint64_t other) override { return running.count(other) > 0; }

    int64_t clock = 1000;
    uint64_t pid = 100;
    std::set<uint64_t> running;
};

// One start of the program: its settings, prompts and session, copies kept in
// `recovery`, the record q2.irc and the tax-rate table ifta.itx of `work`.
struct ProgramStart {
    ProgramStart(const TempDir &work, const std::string &recovery,
                 RecoveryEnvironment *environment = nullptr)
        : record(work.file("q2.irc"))
    {
        settings.taxFile = work.file("ifta.itx");
        // Each start holds its own profiles file: a second one would wait for the lock.
        settings.profilesFile =
            work.file("profiles-" + std::to_string(CurrentProcessId()) + "-" +
                      std::to_string(reinterpret_cast<uintptr_t>(this)) + ".usr");
        if (environment)
            session.recovery().setEnvironment(*environment);
        session.recovery().setFolder(recovery);
    }

    // The first record of the run is a new one, as at a start without a file.
    void start() { session.record().newRecord(); }
    void open() { ASSERT_TRUE(session.record().open(record)); }
    void addTrip(const char *abbreviation, uint32_t distance, int64_t fuel)
    {
        prompts.entry = [=](EntryDialogData &d) {
            d.abbreviation = abbreviation;
            d.entry.date = "2026/05/14";
            d.entry.distance = distance;
            d.entry.fuel = Hundredths{fuel};
            return true;
        };
        ASSERT_GE(session.edit().addTrip(), 0);
        prompts.entry = nullptr;
    }
    // The edits of an hour's typing, shortened: three trips, one of them changed.
    void edit()
    {
        addTrip("QC", 412, 15025);
        addTrip("ON", 98, 0);
        addTrip("NB", 1200, 40010);
        prompts.entry = [](EntryDialogData &d) {
            d.abbreviation = "NB";
            d.entry.fuel = Hundredths{40550};
            return true;
        };
        ASSERT_TRUE(
            session.edit().modifyTrip(static_cast<int>(session.document().entries().size()) - 1));
        prompts.entry = nullptr;
    }
    std::vector<std::string> questions() const
    {
        std::vector<std::string> asked;
        for (const std::string &text : prompts.shown)
            if (text.rfind("Tollmark did not close normally.", 0) == 0)
                asked.push_back(text);
        return asked;
    }

    std::string record;
    MemorySettings settings;
    ScriptedPrompts prompts;
    CSession session{prompts, settings};
};

class RecoverySessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recovery_ = work_.file("recovery");
        ASSERT_TRUE(SafeFile::writeAll(work_.file("q2.irc"),
                                       Bytes(std::string(TOLLMARK_SAMPLE_DATA) + "/sample.irc"))
                        .ok());
        ASSERT_TRUE(SafeFile::writeAll(work_.file("ifta.itx"),
                                       Bytes(std::string(TOLLMARK_SAMPLE_DATA) + "/ifta.itx"))
                        .ok());
        original_ = Bytes(work_.file("q2.irc"));
    }
    // The notes in the recovery folder.
    size_t notes() const
    {
        size_t count = 0;
        for (const std::string &name : FolderEntryNames(recovery_))
            count += name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0;
        return count;
    }
    // The record file a run with `edit` saves, in `name` of the work folder.
    std::string savedAfterEdits(const std::string &name)
    {
        ProgramStart run(work_, std::string());
        run.start();
        run.open();
        run.edit();
        EXPECT_TRUE(run.session.record().saveTo(work_.file(name), false));
        return Bytes(work_.file(name));
    }

    TempDir work_;
    std::string recovery_;
    std::string original_;
};

TEST(RecoveryNote, KeepsAnyPathAndRefusesNotesThatPointElsewhere)
{
    RecoveryNote note;
    note.kind = RecoveryNote::Kind::Table;
    note.copyName = "tollmark-7-9-table.itx";
    note.originalPath = "C:\\Carriers\\Qu\xe9"
                        "bec\nq2\r.itx"; // backslashes and line ends
    note.time = 1718029920;
    note.processId = 4242;
    RecoveryNote read;
    ASSERT_TRUE(ParseRecoveryNote(FormatRecoveryNote(note), read));
    EXPECT_EQ(read.kind, note.kind);
    EXPECT_EQ(read.copyName, note.copyName);
    EXPECT_EQ(read.originalPath, note.originalPath);
    EXPECT_EQ(read.time, note.time);
    EXPECT_EQ(read.processId, note.processId);

    const std::string good = FormatRecoveryNote(note);
    auto with = [&](const std::string &from, const std::string &to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    // A Discard removes the copy a note names: never a file outside the folder or one
    // that is not a copy.
    for (const std::string &bad :
         {with("Tollmark recovery copy", "Tollmark"),
          with("copy=tollmark-7-9-table.itx", "copy=../q2.irc"),
          with("copy=tollmark-7-9-table.itx", "copy=tollmark-../../q2.irc"),
          with("copy=tollmark-7-9-table.itx", "copy=q2.irc"), with("pid=4242", "pid=-1"),
          with("time=1718029920\n", ""), with("kind=table", "kind=other")}) {
        EXPECT_FALSE(ParseRecoveryNote(bad, read)) << bad;
    }
}

#ifndef _WIN32

// Runs `body` in a child process that then stays until it is killed; the child's id,
// once `body` has come back (-1 when the child failed or ended first).
template <typename Body>
pid_t ChildThatStays(Body body)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        const char done = body() ? 'y' : 'n';
        if (::write(ready[1], &done, 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char done = 0;
    const bool ok = child > 0 && ::read(ready[0], &done, 1) == 1 && done == 'y';
    ::close(ready[0]);
    if (!ok && child > 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    return ok ? child : -1;
}

void Kill(pid_t child)
{
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

// The child's window: the record opened, edited and one recovery copy written, then
// nothing saved. True when all of that happened.
bool EditAndKeepACopy(const TempDir &work, const std::string &recovery)
{
    ProgramStart run(work, recovery);
    run.start();
    run.open();
    run.edit();
    return !::testing::Test::HasFailure() && run.session.recovery().writeDueCopies() &&
           !run.session.recovery().recordCopyPath().empty();
}

TEST_F(RecoverySessionTest, KilledRunIsRecoveredExactlyUnderItsOwnName)
{
    const pid_t child = ChildThatStays([&] { return EditAndKeepACopy(work_, recovery_); });
    ASSERT_GT(child, 0);
    Kill(child);
    ASSERT_EQ(notes(), 1u);

    ProgramStart next(work_, recovery_);
    next.start();
    next.prompts.recoveries = {RecoveryAnswer::Recover};
    next.session.recovery().offerOrphanedCopies();
    ASSERT_EQ(next.questions().size(), 1u);
    const std::string asked = next.questions()[0];
    EXPECT_EQ(
        asked.rfind("Tollmark did not close normally. Recover the changes to q2.irc from ", 0), 0u)
        << asked;
    EXPECT_EQ(asked.back(), '?');

    // The record is the killed run's, under the original's name, changed and not saved.
    EXPECT_EQ(next.session.record().pathName(), FullPath(next.record));
    EXPECT_EQ(next.session.record().title(), "q2.irc");
    EXPECT_TRUE(next.session.document().isModified());
    EXPECT_EQ(Bytes(next.record), original_);
    // The copy is this run's now: one note, its own.
    const std::string ownCopy = next.session.recovery().recordCopyPath();
    ASSERT_FALSE(ownCopy.empty());
    EXPECT_EQ(notes(), 1u);
    EXPECT_TRUE(next.session.recovery().orphanedCopies().empty());

    // Saved, it is byte for byte what a run that saved the same edits wrote.
    const std::string expected = savedAfterEdits("expected.irc");
    EXPECT_EQ(Bytes(ownCopy), expected);
    ASSERT_TRUE(next.session.record().save());
    EXPECT_EQ(Bytes(next.record), expected);
    EXPECT_EQ(notes(), 0u);
    EXPECT_EQ(next.session.recovery().recordCopyPath(), "");
}

TEST_F(RecoverySessionTest, SecondWindowNeverTakesTheCopiesOfARunningOne)
{
    const pid_t first = ChildThatStays([&] { return EditAndKeepACopy(work_, recovery_); });
    ASSERT_GT(first, 0);
    {
        // A second window while the first one runs: nothing offered, its copy untouched,
        // and the second's own copy and normal end touch only its own.
        ProgramStart second(work_, recovery_);
        second.start();
        second.prompts.recoveries = {RecoveryAnswer::Discard, RecoveryAnswer::Discard};
        second.session.recovery().offerOrphanedCopies();
        EXPECT_TRUE(second.questions().empty());
        second.open();
        second.addTrip("QC", 5, 100);
        ASSERT_TRUE(second.session.recovery().writeDueCopies());
        EXPECT_EQ(notes(), 2u);
        second.session.recovery().closedNormally();
        EXPECT_EQ(notes(), 1u);
    }
    Kill(first);
    ProgramStart third(work_, recovery_);
    third.start();
    third.prompts.recoveries = {RecoveryAnswer::Later};
    EXPECT_EQ(third.session.recovery().orphanedCopies().size(), 1u);
}

#else

POSIX_ONLY_SKIP_F(RecoverySessionTest, KilledRunIsRecoveredExactlyUnderItsOwnName,
                  "the run is killed with SIGKILL in a forked child")
POSIX_ONLY_SKIP_F(RecoverySessionTest, SecondWindowNeverTakesTheCopiesOfARunningOne,
                  "the first window is a forked child")

#endif

TEST_F(RecoverySessionTest, CopiesFollowTheChangesAndGoWhenTheyAreSavedOrDropped)
{
    struct Case {
        const char *name;
        std::function<void(ProgramStart &)> act;
        bool copyAfter;
    };
    auto trips = [](ProgramStart &run, int count) {
        for (int i = 0; i < count; ++i)
            run.addTrip("QC", 10 + i, 0);
    };
    const std::vector<Case> cases = {
        {"19 changes are not yet due", [&](ProgramStart &r) { trips(r, 19); }, false},
        {"the 20th change writes one", [&](ProgramStart &r) { trips(r, 20); }, true},
        {"the interval without changes",
         [](ProgramStart &r) { r.session.recovery().intervalElapsed(); }, false},
        {"the interval after a change",
         [&](ProgramStart &r) {
             trips(r, 1);
             r.session.recovery().intervalElapsed();
         },
         true},
        {"saved",
         [&](ProgramStart &r) {
             trips(r, 20);
             ASSERT_TRUE(r.session.record().save());
         },
         false},
        {"dropped for a new record",
         [&](ProgramStart &r) {
             trips(r, 20);
             r.prompts.answers = {Answer::No};
             r.prompts.company = [](CompanyDialogData &, CProfileStore *) {
                 return SessionPrompts::CompanyResult::Ok;
             };
             ASSERT_TRUE(r.session.record().newRecord());
         },
         false},
        {"another record opened",
         [&](ProgramStart &r) {
             trips(r, 20);
             r.prompts.answers = {Answer::No};
             r.open();
         },
         false},
        {"a normal end",
         [&](ProgramStart &r) {
             trips(r, 20);
             r.session.recovery().closedNormally();
         },
         false},
        {"recovery off",
         [&](ProgramStart &r) {
             r.settings.recovery = 0;
             trips(r, 25);
             r.session.recovery().intervalElapsed();
         },
         false},
        {"turned off after a copy",
         [&](ProgramStart &r) {
             trips(r, 20);
             r.settings.recovery = 0;
             r.session.recovery().intervalElapsed();
         },
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ProgramStart run(work_, recovery_);
        run.start();
        run.open();
        c.act(run);
        EXPECT_EQ(notes(), c.copyAfter ? 1u : 0u);
        EXPECT_EQ(run.session.recovery().recordCopyPath().empty(), !c.copyAfter);
        run.session.recovery().closedNormally();
        ASSERT_TRUE(SafeFile::writeAll(run.record, original_).ok());
    }
}

TEST_F(RecoverySessionTest, ChangedTableIsRecoveredAndItsSaveRemovesTheCopy)
{
    FakeEnvironment crashed;
    crashed.clock = 5000;
    {
        ProgramStart run(work_, recovery_, &crashed);
        run.start();
        run.prompts.taxRate = [](TaxRate &rate, bool) {
            rate.dieselRate = TenThousandths{2222};
            return true;
        };
        ASSERT_TRUE(run.session.edit().modifyRate(1));
        run.session.recovery().intervalElapsed();
        ASSERT_NE(run.session.recovery().tableCopyPath(), "");
        // Ends here without a normal end, as a killed window does.
    }
    const std::string table = Bytes(work_.file("ifta.itx"));
    FakeEnvironment later;
    later.pid = 200;
    later.clock = 9000;
    ProgramStart next(work_, recovery_, &later);
    next.start();
    next.prompts.recoveries = {RecoveryAnswer::Recover};
    next.session.recovery().offerOrphanedCopies();
    EXPECT_EQ(next.questions(),
              std::vector<std::string>{
                  "Tollmark did not close normally. Recover the changes to ifta.itx from t5000?"});
    LoadedTaxTable &rates = next.session.taxRates();
    EXPECT_EQ(rates.table()[1].dieselRate, TenThousandths{2222});
    EXPECT_TRUE(rates.isModified());
    EXPECT_EQ(Bytes(work_.file("ifta.itx")), table);
    ASSERT_NE(next.session.recovery().tableCopyPath(), "");

    // Save Tax Rates takes the table's copy away.
    next.prompts.files = {work_.file("ifta.itx")};
    next.prompts.taxPeriod = [](TaxPeriod &) { return true; };
    ASSERT_TRUE(next.session.tax().saveTaxRates());
    EXPECT_EQ(notes(), 0u);
}

TEST_F(RecoverySessionTest, LaterKeepsDiscardRemovesAndAReusedProcessIdIsNoAliveRun)
{
    FakeEnvironment first;
    first.pid = 300;
    {
        ProgramStart run(work_, recovery_, &first);
        run.start();
        run.open();
        run.addTrip("QC", 10, 0);
        ASSERT_TRUE(run.session.recovery().writeDueCopies());
    }
    // A later start that got the same process id: the copy is still another run's.
    FakeEnvironment same = first;
    same.clock = 2000;
    ProgramStart reused(work_, recovery_, &same);
    reused.start();
    EXPECT_EQ(reused.session.recovery().orphanedCopies().size(), 1u);

    // While process 300 runs (and is not this run), its copy is not offered.
    FakeEnvironment other;
    other.pid = 400;
    other.running = {300};
    ProgramStart alive(work_, recovery_, &other);
    EXPECT_TRUE(alive.session.recovery().orphanedCopies().empty());

    other.running.clear();
    for (RecoveryAnswer answer : {RecoveryAnswer::Later, RecoveryAnswer::Discard}) {
        ProgramStart run(work_, recovery_, &other);
        run.start();
        run.prompts.recoveries = {answer};
        run.session.recovery().offerOrphanedCopies();
        EXPECT_EQ(run.questions().size(), 1u);
        EXPECT_FALSE(run.session.document().isModified());
        EXPECT_EQ(notes(), answer == RecoveryAnswer::Later ? 1u : 0u);
    }
    EXPECT_EQ(Bytes(work_.file("q2.irc")), original_);
}

TEST_F(RecoverySessionTest, CopyThatCannotBeWrittenIsToldOnce)
{
    // The recovery folder's place holds a file: no copy can be made there.
    ASSERT_TRUE(SafeFile::writeAll(recovery_, "in the way").ok());
    ProgramStart run(work_, recovery_);
    run.start();
    run.open();
    run.addTrip("QC", 10, 0);
    EXPECT_FALSE(run.session.recovery().writeDueCopies());
    run.addTrip("QC", 11, 0);
    EXPECT_FALSE(run.session.recovery().writeDueCopies());
    size_t told = 0;
    for (const std::string &text : run.prompts.shown)
        told +=
            text.rfind("The recovery copy of the unsaved changes could not be written:", 0) == 0;
    EXPECT_EQ(told, 1u);
    EXPECT_TRUE(run.session.document().isModified());
}

} // namespace
