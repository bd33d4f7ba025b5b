// The window's help in both languages: every English page has its French page, and both
// are compiled into the program.

#include "app/windowtest.h"

#include <QDir>
#include <QFile>

namespace {

using HelpPagesTest = apptest::WindowTest;

TEST_F(HelpPagesTest, EveryEnglishPageHasItsFrenchPage)
{
    const QStringList english = QDir(":/help").entryList({"topic*.html"}, QDir::Files);
    ASSERT_FALSE(english.isEmpty());
    for (const QString &page : english) {
        QFile french(":/help/fr/" + page);
        ASSERT_TRUE(french.open(QIODevice::ReadOnly)) << page.toStdString();
        // A page copied from the English one and not yet translated lacks the French mark.
        EXPECT_TRUE(french.readAll().contains("<html lang=\"fr-CA\">")) << page.toStdString();
    }
}

} // namespace
