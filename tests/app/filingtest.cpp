// Filing a return in the window: Export Summary writes what tollmark-cli export-summary
// writes.

#include "app/windowtest.h"
#include "cli/clirun.h"

#include "ui/commandids.h"

#include <QFile>

using namespace apptest;

namespace {

class FilingTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        record = box.work("late-us.irc").toStdString();
        ASSERT_TRUE(
            QFile::copy(TOLLMARK_TEST_DATA "/filing/late-us.irc", QString::fromStdString(record)));
        ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(record)));
    }
    // tollmark-cli export-summary of the same record and table, with `extra` options.
    std::string CliSummary(std::vector<std::string> extra = {})
    {
        const std::string out = box.work("cli.csv").toStdString();
        std::vector<std::string> args = {"export-summary",    record,  "--rates",
                                         rates.toStdString(), "--out", out};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliRun run = RunCli(args, box.work("cli.err").toStdString());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return ReadBytes(QString::fromStdString(out)).toStdString();
    }
    std::string WindowSummary()
    {
        const std::string out = box.work("window.csv").toStdString();
        prompts.saveNames.push_back(out);
        EXPECT_TRUE(frame->OnCommand(ID_EXPORT_SUMMARY));
        return ReadBytes(QString::fromStdString(out)).toStdString();
    }

    std::string record;
};

TEST_F(FilingTest, ExportSummaryWritesWhatTheCommandLineWrites)
{
    const std::string window = WindowSummary();
    EXPECT_EQ(window.substr(0, 13), "Jurisdiction,");
    EXPECT_EQ(window, CliSummary());
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

} // namespace
