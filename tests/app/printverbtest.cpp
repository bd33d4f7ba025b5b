// The shell's print verb: tollmark /p FILE.irc [--pdf OUT.pdf] prints without a window.
#include "app/apptesthelpers.h"
#include "app/ciftaapp.h"
#include "ui/userprompts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class PrintVerbTest : public ::testing::Test
{
protected:
    // The sample table in the work folder, so the listing names its jurisdictions and the
    // profiles file the start-up makes stays out of data/.
    void SetUp() override { sandbox.copySample(QStringLiteral("ifta.itx")); }

    apptest::Sandbox sandbox;
    SilentPrompts prompts;
};

TEST_F(PrintVerbTest, PdfOfTheEntryListingAndNoWindow)
{
    const QString pdf = sandbox.path(QStringLiteral("listing.pdf"));
    CIftaApp app(&prompts);
    EXPECT_TRUE(
        app.InitInstance({QStringLiteral("/p"), QStringLiteral(TOLLMARK_SAMPLE_DATA "/sample.irc"),
                          QStringLiteral("--pdf"), pdf}));
    EXPECT_TRUE(app.printOnly());
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_EQ(app.mainFrame(), nullptr);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
}

TEST_F(PrintVerbTest, UnreadableRecordFailsAndWritesNothing)
{
    const QString pdf = sandbox.path(QStringLiteral("none.pdf"));
    CIftaApp app(&prompts);
    EXPECT_FALSE(
        app.InitInstance({QStringLiteral("/p"), sandbox.work(QStringLiteral("missing.irc")),
                          QStringLiteral("--pdf"), pdf}));
    EXPECT_NE(app.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
