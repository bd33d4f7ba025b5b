#include "numbers/uitext.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Arguments go in by their number, once, in one pass: a translation may reorder them and
// an argument's own "%2" stays as it is.
TEST(UiTextTest, ArgumentsFillTheirPlaces)
{
    struct Case {
        const char *text;
        std::initializer_list<std::string> args;
        const char *filled;
    };
    const Case cases[] = {
        {"The file %1 cannot be opened.", {"a.irc"}, "The file a.irc cannot be opened."},
        {"%2 avant %1", {"one", "two"}, "two avant one"},
        {"%1 and %1", {"x"}, "x and x"},
        {"%1 then %2", {"%2", "b"}, "%2 then b"},
        {"%3 has no argument", {"a"}, "%3 has no argument"},
        {"100% sure, %1", {"yes"}, "100% sure, yes"},
        {"ends with %", {}, "ends with %"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(UiArgs(c.text, c.args), c.filled) << c.text;
}

std::string Shouting(const char *, const char *source)
{
    return std::string("[") + source + "]";
}

// Without a translator the text is the English source; the window's translator is used
// while it is installed.
TEST(UiTextTest, TranslatorIsUsedWhileInstalled)
{
    EXPECT_EQ(UiText("Ctx", "Ready"), "Ready");
    SetUiTranslator(&Shouting);
    EXPECT_EQ(UiText("Ctx", "Ready"), "[Ready]");
    SetUiTranslator(nullptr);
    EXPECT_EQ(UiText("Ctx", "Ready"), "Ready");
}

// Figures in messages are the core's own text unless the window installs its way.
TEST(UiTextTest, FiguresFollowTheInstalledFormatter)
{
    EXPECT_EQ(UiNumber("1,234.56"), "1,234.56");
    SetUiNumberFormatter([](const std::string &n) { return "<" + n + ">"; });
    EXPECT_EQ(UiNumber("1,234.56"), "<1,234.56>");
    SetUiNumberFormatter(nullptr);
    EXPECT_EQ(UiNumber("1,234.56"), "1,234.56");
}

} // namespace
