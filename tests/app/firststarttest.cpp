// A new user's first start: no tax-rate file in the current folder or in the settings.
#include "app/apptesthelpers.h"
#include "app/cfirststart.h"
#include "app/ciftaapp.h"
#include "app/cinfodlgbar.h"
#include "app/cmainframe.h"
#include "formats/recordfile.h"
#include "records/ciftadoc.h"
#include "records/taxratetable.h"
#include "session/csession.h"
#include "ui/userprompts.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

// Answers the yes/no questions from a list and keeps every text shown.
class RecordingPrompts : public SilentPrompts
{
public:
    std::deque<bool> answers;
    std::vector<std::string> shown;

    void warn(const std::string &text) override { shown.push_back(text); }
    void inform(const std::string &text) override { shown.push_back(text); }
    bool askYesNo(const std::string &text) override
    {
        shown.push_back(text);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FirstStartTest : public ::testing::Test
{
protected:
    static QString StoredDefaultTaxFile()
    {
        return apptest::Sandbox::setting(QStringLiteral("TaxFile/DefaultTaxFile")).toString();
    }

    apptest::Sandbox sandbox;
    RecordingPrompts prompts;
};

TEST_F(FirstStartTest, InstalledSampleComesBeforeTheBuildTimeFolders)
{
    const QStringList candidates =
        CFirstStart::SampleTaxFileCandidates(QStringLiteral("/opt/x/bin"));
    ASSERT_FALSE(candidates.isEmpty());
    EXPECT_EQ(QDir::cleanPath(candidates.first()),
              QStringLiteral("/opt/x/share/tollmark/ifta.itx"));
    // A build that was never installed finds the copy its build tree keeps where an
    // installation would, never the source tree's: that path would end up in the settings.
    const QString built = CFirstStart::SampleTaxFile(QApplication::applicationDirPath());
    EXPECT_EQ(built, QFileInfo(QApplication::applicationDirPath() +
                               QStringLiteral("/../share/tollmark/ifta.itx"))
                         .canonicalFilePath());
}

TEST_F(FirstStartTest, YesLoadsTheSampleTableAndKeepsItAsTheDefault)
{
    prompts.answers = {true};
    CIftaApp app(&prompts);
    ASSERT_TRUE(app.InitInstance({}));

    ASSERT_EQ(prompts.shown.size(), 1u);
    const QString sample = CFirstStart::SampleTaxFile(QApplication::applicationDirPath());
    // The question says where the sample lies.
    EXPECT_NE(prompts.shown[0].find(QDir::toNativeSeparators(sample).toStdString()),
              std::string::npos);
    EXPECT_GT(app.document().taxTable().usedCount(), 50);
    EXPECT_EQ(StoredDefaultTaxFile(), QDir::toNativeSeparators(sample));
    EXPECT_EQ(app.document().recordPeriod().year, app.document().tablePeriod().year);
    EXPECT_EQ(app.document().recordPeriod().quarter, app.document().tablePeriod().quarter);
}

TEST_F(FirstStartTest, NoLeavesTheTableEmptyAndTheSettingsAlone)
{
    prompts.answers = {false};
    CIftaApp app(&prompts);
    ASSERT_TRUE(app.InitInstance({}));

    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(app.document().taxTable().usedCount(), 0);
    EXPECT_TRUE(StoredDefaultTaxFile().isEmpty());
    // The information bar does not make up a period for the table that is not there.
    EXPECT_EQ(app.mainFrame()->infoBar()->loadedRates(), "No tax rates loaded");
}

TEST_F(FirstStartTest, TableInTheCurrentFolderStartsSilently)
{
    sandbox.copySample(QStringLiteral("ifta-us.itx"), QStringLiteral("ifta.itx"));
    CIftaApp app(&prompts);
    ASSERT_TRUE(app.InitInstance({}));

    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_GT(app.document().taxTable().usedCount(), 50);
    EXPECT_EQ(app.document().tablePeriod().country, "US");
}

// The offer comes after the record named on the command line is read: the table it
// loads must not take that record's own quarter away.
TEST_F(FirstStartTest, RecordNamedOnTheCommandLineKeepsItsQuarter)
{
    const std::string path = sandbox.work("last-year.irc").toStdString();
    {
        CIftaDoc record;
        CompanyInfo company;
        company.companyName = "Late Filer";
        record.setCompany(company);
        record.setRecordPeriod(TaxPeriod{2025, 3, "Canada"});
        ASSERT_TRUE(WriteRecordFile(record, path).ok());
    }
    prompts.answers = {true};
    CIftaApp app(&prompts);
    ASSERT_TRUE(app.InitInstance({QString::fromStdString(path)}));

    ASSERT_GT(app.document().taxTable().usedCount(), 50);
    EXPECT_EQ(app.document().recordPeriod().year, 2025);
    EXPECT_EQ(app.document().recordPeriod().quarter, 3);
}

// Without a sample, the user is told where the command is: on the File menu.
TEST_F(FirstStartTest, WithoutASampleTheTextPointsToTheFileMenu)
{
    CIftaApp app(&prompts);
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_EQ(app.document().taxTable().usedCount(), 0); // the sample was refused
    prompts.shown.clear();
    EXPECT_FALSE(app.session().record().offerSampleTable(std::string()));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].find("File, Load Tax Rates"), std::string::npos) << prompts.shown[0];
}

} // namespace
