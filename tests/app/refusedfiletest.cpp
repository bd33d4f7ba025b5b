// A file the window refuses to open never becomes the open record's name: nothing saved
// afterwards may land on it, and it does not join the recent files.

#include "app/windowtest.h"

#include "formats/recordfile.h"

#include <QFile>

using namespace apptest;

namespace {

using RefusedFileTest = WindowTest;

// A record whose one trip carries a rate of 12.5: refused on reading.
QString WriteRefusedRecord(const Sandbox &box)
{
    CIftaDoc record;
    CompanyInfo company;
    company.companyName = "Hand Edited";
    record.setCompany(company);
    TripEntry trip;
    trip.tripNumber = 1;
    trip.distance = 100;
    trip.rate.units = 125000;
    record.replaceEntries({trip});
    const QString path = box.work(QStringLiteral("t.irc"));
    EXPECT_TRUE(WriteRecordFile(record, path.toStdString()).ok());
    return path;
}

TEST_F(RefusedFileTest, SaveAfterARefusedOpenNeverWritesOverTheFile)
{
    const QString refused = WriteRefusedRecord(box);
    const QByteArray before = ReadBytes(refused);
    // File Open of a record with a refused line, and of the tax-rate file, then Save:
    // the save asks for a name (cancelled here) instead of writing over either file.
    for (const QString &path : {refused, rates}) {
        const QByteArray bytes = ReadBytes(path);
        prompts.shown.clear();
        prompts.openNames.push_back(path.toStdString());
        frame->OnCommand(ID_FILE_OPEN);
        ASSERT_FALSE(prompts.shown.empty()) << path.toStdString();
        EXPECT_NE(frame->windowTitle().indexOf(QStringLiteral("Untitled")), -1)
            << frame->windowTitle().toStdString();
        prompts.saveNames.push_back(std::string());
        frame->OnCommand(ID_FILE_SAVE);
        EXPECT_EQ(ReadBytes(path), bytes) << path.toStdString();
        EXPECT_FALSE(app->recentFiles().contains(path));
    }
    EXPECT_EQ(ReadBytes(refused), before);

    // Save As onto the tax-rate table the program reads is refused with its reason.
    const QByteArray table = ReadBytes(rates);
    prompts.shown.clear();
    prompts.saveNames.push_back(rates.toStdString());
    frame->OnCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(ReadBytes(rates), table);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].find("which the program reads"), std::string::npos);

    // Named on the command line, it leaves a new Untitled record.
    CIftaApp second(&prompts);
    prompts.shown.clear();
    ASSERT_TRUE(second.InitInstance({refused}));
    EXPECT_FALSE(prompts.shown.empty());
    EXPECT_NE(second.mainFrame()->windowTitle().indexOf(QStringLiteral("Untitled")), -1);
    EXPECT_TRUE(second.document().entries().empty());
    prompts.saveNames.push_back(std::string());
    second.mainFrame()->OnCommand(ID_FILE_SAVE);
    EXPECT_EQ(ReadBytes(refused), before);
}

} // namespace
