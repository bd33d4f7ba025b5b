// The window's start after a run that did not end normally: its recovery copy is offered,
// Recover opens it under the original's name without writing over the original, and a
// normal close leaves no copy. The interval of the copies comes from Options.

#include "app/apptesthelpers.h"
#include "app/ciftaapp.h"
#include "app/cmainframe.h"
#include "app/crecoverytimer.h"
#include "dialogs/cpreferencesdlg.h"
#include "formats/recordfile.h"
#include "platform/safefile.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "sessionbase/recoverynote.h"
#include "ui/commandids.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <memory>

namespace {

using RecoveryAnswer = SessionPrompts::RecoveryAnswer;

std::string Path(const QString &path)
{
    return path.toUtf8().toStdString();
}

class RecoveryWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        box.copySample("ifta.itx");
        original = box.copySample("sample.irc", "q2.irc");
        recovery = box.path("recovery");
        ASSERT_TRUE(QDir().mkpath(recovery));
    }
    void TearDown() override { app.reset(); }

    // What a killed run left: the record with one more trip, and the note of a run with
    // this process's id that is not this run (an earlier start that got the same id).
    void leaveCopyOfKilledRun(int64_t time)
    {
        CIftaDoc doc;
        ASSERT_TRUE(ReadRecordFile(doc, Path(original)).ok());
        TripEntry trip = doc.entries().back();
        trip.distance = 777;
        doc.addEntry(trip);
        copy = BuildRecordBytes(doc);
        const std::string stem =
            "tollmark-" + std::to_string(QCoreApplication::applicationPid()) + "-1-record";
        RecoveryNote note;
        note.copyName = stem + ".irc";
        note.originalPath = Path(original);
        note.time = time;
        note.processId = static_cast<uint64_t>(QCoreApplication::applicationPid());
        ASSERT_TRUE(
            SafeFile::writeAll(Path(recovery + "/" + QString::fromStdString(note.copyName)), copy)
                .ok());
        ASSERT_TRUE(SafeFile::writeAll(Path(recovery + "/" + QString::fromStdString(stem) + ".txt"),
                                       FormatRecoveryNote(note))
                        .ok());
    }
    void start()
    {
        app = std::make_unique<CIftaApp>(&prompts);
        app->setRecoveryFolder(recovery);
        ASSERT_TRUE(app->InitInstance({}));
    }
    QStringList notes() const { return QDir(recovery).entryList({"*.txt"}, QDir::Files); }

    apptest::Sandbox box;
    ScriptedPrompts prompts;
    std::unique_ptr<CIftaApp> app;
    QString original;
    QString recovery;
    std::string copy;
};

TEST_F(RecoveryWindowTest, StartOffersTheCopyAndRecoverOpensItUnderItsOwnName)
{
    const int64_t time = QDateTime::currentSecsSinceEpoch() - 60;
    leaveCopyOfKilledRun(time);
    const QByteArray before = apptest::ReadBytes(original);
    prompts.recoveries = {RecoveryAnswer::Recover};
    start();

    const QString clock = QDateTime::fromSecsSinceEpoch(time).toString("HH:mm");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0],
              "Tollmark did not close normally. Recover the changes to q2.irc from " + Path(clock) +
                  "?");
    EXPECT_EQ(app->mainFrame()->windowTitle(), "q2.irc - IFTA");
    EXPECT_TRUE(app->document().isModified());
    EXPECT_EQ(app->document().entries().back().distance, 777u);
    EXPECT_EQ(apptest::ReadBytes(original), before);
    // The copy is this run's now, and the timer keeps it up to date.
    ASSERT_EQ(notes().size(), 1);
    EXPECT_NE(notes()[0].toStdString(),
              "tollmark-" + std::to_string(QCoreApplication::applicationPid()) + "-1-record.txt");
    EXPECT_TRUE(app->recoveryTimer().isActive());
    EXPECT_EQ(app->recoveryTimer().interval(), 2 * 60 * 1000);

    // Closing and saving: the original holds the recovered record, no copy is left.
    prompts.yesNoCancel = {SessionPrompts::Answer::Yes};
    ASSERT_TRUE(app->mainFrame()->close());
    EXPECT_EQ(apptest::ReadBytes(original).toStdString(), copy);
    EXPECT_TRUE(notes().isEmpty());
}

TEST_F(RecoveryWindowTest, OptionsTurnCopiesOffAndLaterKeepsTheCopyForTheNextStart)
{
    leaveCopyOfKilledRun(QDateTime::currentSecsSinceEpoch());
    start(); // no answer queued: Later
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_FALSE(app->document().isModified());
    EXPECT_EQ(notes().size(), 1);

    prompts.preferenceDialogs.push_back([this](PreferencesData &data) {
        CPreferencesDlg dialog(prompts, data);
        auto *minutes = dialog.findChild<QSpinBox *>("recoveryMinutes");
        EXPECT_EQ(minutes->text(), "2 minutes");
        minutes->setValue(0);
        EXPECT_EQ(minutes->text(), "Off");
        dialog.accept();
        data = dialog.data();
        return true;
    });
    ASSERT_TRUE(app->mainFrame()->OnCommand(ID_OPTIONS));
    EXPECT_FALSE(app->recoveryTimer().isActive());
    EXPECT_EQ(app->settings().recoveryMinutes(), 0);

    // Off, a change writes no copy; the killed run's copy stays for the next start.
    for (int i = 0; i < 25; ++i)
        app->session().document().setModified(true);
    app->session().recovery().intervalElapsed();
    app.reset();
    ASSERT_EQ(notes().size(), 1);
}

} // namespace
