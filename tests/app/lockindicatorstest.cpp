// The status bar's lock-key panes: text while a key is on, empty while it is off, hidden
// where the platform tells nothing of the keys.

#include "app/apptesthelpers.h"

#include "app/ciftaapp.h"
#include "app/clockindicators.h"
#include "app/cmainframe.h"

#include <QLabel>
#include <QStatusBar>

using namespace apptest;

namespace {

using Texts = QStringList;

TEST(LockIndicators, PanesFollowTheKeysAndKeepTheirPlace)
{
    App();
    QStatusBar bar;
    std::optional<LockKeys> keys = LockKeys{};
    CLockIndicators indicators(bar, [&keys] { return keys; });
    EXPECT_TRUE(indicators.shown());
    EXPECT_EQ(indicators.texts(), Texts({"", "", ""}));

    keys->caps = true;
    keys->scroll = true;
    indicators.refresh();
    EXPECT_EQ(indicators.texts(), Texts({"CAP", "", "SCRL"}));
    // An empty pane keeps the width of its text.
    auto *num = bar.findChild<QLabel *>("NUM");
    ASSERT_NE(num, nullptr);
    EXPECT_GT(num->minimumWidth(), 0);
    EXPECT_EQ(num->minimumWidth(), num->maximumWidth());

    keys.reset();
    indicators.refresh();
    EXPECT_FALSE(indicators.shown());
    EXPECT_EQ(indicators.texts(), Texts({"", "", ""}));
}

TEST(LockIndicators, MainWindowWithoutAnX11DisplayHidesThem)
{
    Sandbox box;
    ScriptedPrompts prompts;
    CIftaApp app(&prompts);
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_NE(app.mainFrame()->lockIndicators(), nullptr);
    // The tests run on the offscreen platform, which reports no lock keys.
    EXPECT_FALSE(CLockIndicators::ReadPlatformLockKeys().has_value());
    EXPECT_FALSE(app.mainFrame()->lockIndicators()->shown());
}

} // namespace
