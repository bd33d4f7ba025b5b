// The shell's print verb: tollmark /p FILE.irc [--pdf OUT.pdf] prints without a window.
#include "app/ciftaapp.h"
#include "app/userprompts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PrintVerbTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_app";
            static char *argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        previous = QDir::currentPath();
        // A folder of its own with the sample table, so the listing names its
        // jurisdictions and the profiles file the start-up makes stays out of data/.
        ASSERT_TRUE(QFile::copy(QStringLiteral(TOLLMARK_SAMPLE_DATA "/ifta.itx"),
                                QDir(folder.path()).filePath(QStringLiteral("ifta.itx"))));
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QTemporaryDir folder;
    QString previous;
    SilentPrompts prompts;
};

TEST_F(PrintVerbTest, PdfOfTheEntryListingAndNoWindow)
{
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("listing.pdf"));
    CIftaApp app(&prompts);
    EXPECT_TRUE(app.InitInstance({QStringLiteral("/p"), QStringLiteral(TOLLMARK_SAMPLE_DATA "/sample.irc"),
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
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("none.pdf"));
    CIftaApp app(&prompts);
    EXPECT_FALSE(app.InitInstance({QStringLiteral("/p"), QDir(folder.path()).filePath("missing.irc"),
                                   QStringLiteral("--pdf"), pdf}));
    EXPECT_NE(app.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
