// The program's settings: every value under the key earlier runs wrote it, and the main
// window's place kept from one run to the next.

#include "app/windowtest.h"

#include "app/ciftaapp.h"
#include "app/cmainframe.h"
#include "ui/cappsettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

using namespace apptest;

namespace {

// Settings kept by an earlier version must still be read, and what this one writes must
// be where that version reads it: each value written through CAppSettings is checked
// under its key, then a value stored under the key is read back through CAppSettings.
TEST(AppSettings, EveryValueLivesUnderItsStoredKey)
{
    App();
    QTemporaryDir folder;
    const QString ini = folder.filePath("settings.ini");
    CAppSettings settings(ini);
    struct Case {
        const char *key;
        QVariant stored;
        std::function<void()> write;
        std::function<QVariant()> read;
    };
    // clang-format off
    const Case cases[] = {
        {"TaxFile/DefaultTaxFile", "/srv/ifta/2026q2.itx",
         [&] { settings.setDefaultTaxFile("/srv/ifta/2026q2.itx"); },
         [&] { return QString::fromStdString(settings.defaultTaxFile()); }},
        {"ProfilesFile/DefaultProfilesFile", "/srv/ifta/fleet.usr",
         [&] { settings.setDefaultProfilesFile("/srv/ifta/fleet.usr"); },
         [&] { return QString::fromStdString(settings.defaultProfilesFile()); }},
        {"InterestRates/InterestRatesFile", "/srv/ifta/interest.txt",
         [&] { settings.setInterestRatesFile("/srv/ifta/interest.txt"); },
         [&] { return QString::fromStdString(settings.interestRatesFile()); }},
        {"Report/WholeUnits", true,
         [&] { settings.setWholeUnits(true); },
         [&] { return QVariant(settings.wholeUnits()); }},
        {"Recovery/IntervalMinutes", 5,
         [&] { settings.setRecoveryMinutes(5); },
         [&] { return QVariant(settings.recoveryMinutes()); }},
        {"Settings/PreviewPages", 3,
         [&] { settings.setPreviewPages(3); },
         [&] { return QVariant(settings.previewPages()); }},
        {"Recent File List/File1", "/srv/ifta/q2.irc",
         [&] { settings.addRecentFile("/srv/ifta/q2.irc"); },
         [&] { return QVariant(settings.recentFiles().value(0)); }},
        {"ImportPresets/Fuel card", "date=Date",
         [&] { settings.keepImportPreset("Fuel card", "date=Date"); },
         [&] { return QVariant(settings.importPresetMapping("Fuel card")); }},
        {"Import/LastPreset", "Fuel card",
         [&] { settings.keepImportPreset("Fuel card", "date=Date"); },
         [&] { return QVariant(settings.lastImportPreset()); }},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        c.write();
        QSettings raw(ini, QSettings::IniFormat);
        EXPECT_EQ(raw.value(c.key).toString(), c.stored.toString());
        raw.remove(c.key);
        EXPECT_NE(c.read().toString(), c.stored.toString());
        raw.setValue(c.key, c.stored);
        raw.sync();
        EXPECT_EQ(c.read().toString(), c.stored.toString());
    }
    // A recovery interval edited by hand into something else than minutes is the default
    // (a negative one would start the timer with a negative interval), a huge one a day.
    for (const auto &[stored, minutes] : std::vector<std::pair<QVariant, int>>{
             {"soon", 2}, {-5, 2}, {0, 0}, {99999, 1440}, {15, 15}}) {
        QSettings(ini, QSettings::IniFormat).setValue("Recovery/IntervalMinutes", stored);
        EXPECT_EQ(settings.recoveryMinutes(), minutes) << stored.toString().toStdString();
    }
    // A slash in a preset's name would make it a group, never listed again.
    settings.keepImportPreset("East/West", "date=Date");
    EXPECT_TRUE(settings.importPresetNames().contains("East-West"));
}

using WindowPlaceTest = WindowTest;

// The window is left somewhere and closed; the next start shows it there, unless that
// place is on no screen now, when it comes up as on a first start.
TEST_F(WindowPlaceTest, NextStartRestoresTheWindowOnAScreenOnly)
{
    const QRect firstStart = frame->geometry();
    // Small enough for the test's screen, no smaller than the window can be.
    const QSize size = frame->minimumSizeHint().expandedTo(QSize(600, 400));
    const QRect onScreen(QPoint(40, 50), size);
    const QRect offScreen(QPoint(20000, 20000), size);
    for (const QRect &left : {onScreen, offScreen}) {
        SCOPED_TRACE(left.x());
        frame->setGeometry(left);
        ASSERT_TRUE(frame->close());
        app.reset();
        app = std::make_unique<CIftaApp>(&prompts);
        ASSERT_TRUE(app->InitInstance({}));
        frame = app->mainFrame();
        EXPECT_EQ(frame->geometry(), left == onScreen ? onScreen : firstStart);
    }
}

} // namespace
