// The window in French: every text a user reads comes from the catalogue, and numbers
// typed the French way are stored as typed the English way, so files do not change.

#include "app/windowtest.h"

#include "dialogs/caboutdlg.h"
#include "dialogs/cfilingdatedlg.h"
#include "dialogs/chelpwindow.h"
#include "dialogs/cmergedlg.h"
#include "dialogs/cprofilesdlg.h"
#include "dialogs/ctaxperioddlg.h"
#include "dialogs/cversionsdlg.h"
#include "profiles/cprofilestore.h"
#include "records/entrylist.h"
#include "ui/cappsettings.h"
#include "ui/ctranslations.h"
#include "views/ctaxratedlg.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include <set>

using namespace apptest;

namespace {

// Texts that are the same in both languages.
const std::set<QString> kSameInFrench = {
    "OK",       "Diesel",   "Distance", "Message",  "Total", "Date", "Options",  "KM",   "L", "GAL",
    "Standard", "Tollmark", "English",  "Français", "Litre", "km/L", " minutes", "IFTA", "X",
};

// A text of the window worth comparing: not empty, with a letter, not a path or a figure.
bool IsWording(const QString &text)
{
    const QString plain = QString(text).remove('&').trimmed();
    // Paths and file names (the title, the recent files) are the user's own.
    if (plain.isEmpty() || plain.startsWith('/') || plain.contains(":\\") ||
        plain.contains(".irc") || plain.contains(".itx"))
        return false;
    return std::any_of(plain.begin(), plain.end(), [](QChar c) { return c.isLetter(); });
}

void AddAction(const QAction *action, QStringList &texts)
{
    texts << action->text() << action->toolTip() << action->statusTip();
    if (const QMenu *menu = action->menu())
        for (const QAction *item : menu->actions())
            AddAction(item, texts);
}

// What a user reads on `widget` and its children, in the order they were made: titles,
// labels, buttons, group titles, placeholders, tips, menus, toolbars and list headings.
QStringList WidgetTexts(const QWidget &widget)
{
    QStringList texts{widget.windowTitle()};
    QList<const QWidget *> all{&widget};
    for (const QWidget *child : widget.findChildren<QWidget *>())
        all << child;
    for (const QWidget *w : all) {
        texts << w->toolTip();
        if (auto *label = qobject_cast<const QLabel *>(w); label && label->objectName() != "pane1")
            texts << label->text();
        if (auto *button = qobject_cast<const QAbstractButton *>(w))
            texts << button->text();
        if (auto *group = qobject_cast<const QGroupBox *>(w))
            texts << group->title();
        if (auto *edit = qobject_cast<const QLineEdit *>(w))
            texts << edit->placeholderText();
        if (auto *bar = qobject_cast<const QMenuBar *>(w))
            for (const QAction *menu : bar->actions())
                AddAction(menu, texts);
        if (auto *tools = qobject_cast<const QToolBar *>(w))
            for (const QAction *action : tools->actions())
                AddAction(action, texts);
        if (auto *header = qobject_cast<const QHeaderView *>(w); header && header->model())
            for (int s = 0; s < header->count(); ++s)
                texts << header->model()->headerData(s, header->orientation()).toString();
    }
    texts.removeIf([](const QString &t) { return !IsWording(t); });
    return texts;
}

class FrenchWindowTest : public WindowTest
{
protected:
    void TearDown() override
    {
        CTranslations::Install("en");
        WindowTest::TearDown();
    }
    std::string work(const char *name) { return box.work(name).toStdString(); }
    // The program started again, as at the next start in the language installed now,
    // with the sample quarter open.
    void restart()
    {
        app.reset();
        startApp();
        ASSERT_TRUE(app->OpenDocumentFile(sample));
    }
    QString sample;
    const char *shown = nullptr; // the French surface being made

    // With TOLLMARK_FRENCH_PICTURES naming a folder, each French surface is kept there as
    // a picture (<surface>.png), to look for texts that are cut or overflow.
    void keepPicture(QWidget &widget)
    {
        const QString folder = qEnvironmentVariable("TOLLMARK_FRENCH_PICTURES");
        if (!shown || folder.isEmpty())
            return;
        widget.adjustSize();
        widget.grab().save(QDir(folder).filePath(QString(shown).replace(' ', '-') + ".png"));
    }

    // Each surface of the window, made afresh: the main window in each of its modes and
    // every dialog, filled as the program opens them.
    std::vector<std::pair<const char *, std::function<QStringList()>>> surfaces()
    {
        const auto dialog = [this](auto make) {
            return [this, make] {
                auto shown = make();
                keepPicture(*shown);
                return WidgetTexts(*shown);
            };
        };
        CompanyDialogData company{doc().company(), false};
        EntryDialogData entry;
        entry.add = true;
        return {
            {"entry list", [this] { return modeTexts(ID_VIEW_LIST); }},
            {"report", [this] { return modeTexts(ID_VIEW_REPORT); }},
            {"tax rates", [this] { return modeTexts(ID_VIEW_TAX_RATES); }},
            {"check", [this] { return modeTexts(ID_VIEW_CHECK); }},
            {"vehicles", [this] { return modeTexts(ID_VIEW_VEHICLES); }},
            {"company", dialog([this, company] {
                 return std::make_unique<CCompanyDlg>(prompts, &app->profileStore(), company);
             })},
            {"entry",
             dialog([this, entry] { return std::make_unique<CEntryDlg>(prompts, entry); })},
            {"preferences", dialog([this] {
                 return std::make_unique<CPreferencesDlg>(prompts, PreferencesData{});
             })},
            {"tax rate", dialog([this] {
                 return std::make_unique<CTaxRateDlg>(prompts, doc().taxTable()[1], false);
             })},
            {"tax period", dialog([this] {
                 return std::make_unique<CTaxPeriodDlg>(prompts, doc().recordPeriod());
             })},
            {"tax info",
             dialog([this] { return std::make_unique<CTaxInfoDlg>(prompts, TaxInfoData{}); })},
            {"download", dialog([this] { return std::make_unique<CDownloadDlg>(prompts, doc()); })},
            {"import", dialog([this] {
                 return std::make_unique<CImportDlg>(prompts, ImportDialogData{}, app->settings());
             })},
            {"merge", dialog([this] { return std::make_unique<CMergeDlg>(prompts); })},
            {"profiles", dialog([this] {
                 return std::make_unique<CProfilesDlg>(prompts, app->profileStore());
             })},
            {"filing date", dialog([this] {
                 return std::make_unique<CFilingDateDlg>(prompts, FilingDialogData{});
             })},
            {"versions",
             dialog([] { return std::make_unique<CVersionsDlg>(VersionDialogData{}); })},
            {"about", dialog([] { return std::make_unique<CAboutDlg>(); })},
            {"help",
             [] {
                 // The help window is one for the program: made afresh for each language.
                 CHelpWindow *help = CHelpWindow::ShowHelp(0, nullptr);
                 const QStringList texts = WidgetTexts(*help);
                 delete help;
                 return texts;
             }},
        };
    }
    QStringList modeTexts(int viewCommand)
    {
        frame->OnCommand(viewCommand);
        QApplication::processEvents();
        keepPicture(*frame);
        return WidgetTexts(*frame);
    }
};

// Each surface is made in English and again in French; a text that stayed the English
// one, and is not the same in both languages, is missing from the catalogue.
TEST_F(FrenchWindowTest, EveryTextOfTheWindowIsTranslated)
{
    sample = box.copySample("sample.irc");
    restart();
    std::vector<QStringList> english;
    for (const auto &surface : surfaces())
        english.push_back(surface.second());
    ASSERT_TRUE(CTranslations::Install("fr"));
    restart();
    size_t i = 0;
    for (const auto &surface : surfaces()) {
        shown = surface.first;
        const QStringList french = surface.second();
        const QStringList &before = english[i++];
        ASSERT_EQ(french.size(), before.size()) << surface.first;
        for (int t = 0; t < french.size(); ++t) {
            if (french[t] == before[t] && !kSameInFrench.count(QString(french[t]).remove('&')))
                ADD_FAILURE() << surface.first << ": \"" << french[t].toStdString()
                              << "\" is not translated";
        }
    }
}

// A fuel typed "1 234,56" in French is 1234.56, and the record file saved is the one the
// English tollmark-cli writes for 1234.56, byte for byte.
TEST_F(FrenchWindowTest, FrenchNumbersAreStoredAsTheEnglishOnes)
{
    const QString sample = box.copySample("sample.irc");
    const std::string window = work("window.irc"), command = work("cli.irc");
    ASSERT_TRUE(QFile::copy(sample, QString::fromStdString(window)));
    ASSERT_TRUE(QFile::copy(sample, QString::fromStdString(command)));
    ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(window)));
    ASSERT_TRUE(CTranslations::Install("fr"));

    prompts.entries.push_back([this](EntryDialogData &data) {
        return RunEntryDialog(prompts, data, [](CEntryDlg &dialog) {
            SetDate(dialog, QDate(2026, 4, 15));
            SetField(dialog, "state", "ON");
            for (const char *name : {"distance", "fuel"}) {
                auto *edit = dialog.findChild<QLineEdit *>(name);
                ASSERT_NE(edit, nullptr) << name;
                edit->clear();
                QTest::keyClicks(edit, name == std::string("fuel") ? "1 234,56" : "1 123");
            }
        });
    });
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_ADD_NEW));
    EXPECT_EQ(doc().entries().back().fuel, Hundredths{123456});
    EXPECT_EQ(doc().entries().back().distance, 1123);
    // The list shows it the French way.
    EXPECT_EQ(cell(rows() - 1, EntryColumnFuel), "1234,56");
    ASSERT_TRUE(frame->OnCommand(ID_FILE_SAVE));

    const CliRun run =
        RunCli({"add-trip", command, "--rates", rates.toStdString(), "--date", "2026/04/15",
                "--jurisdiction", "ON", "--distance", "1123", "--fuel", "1234.56"},
               box.path("cli.err").toStdString());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(QString::fromStdString(window)),
              ReadBytes(QString::fromStdString(command)));
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

// Help opens the French page of a topic in French, its English page when it has no
// French one, and the English pages in English.
TEST_F(FrenchWindowTest, HelpFollowsTheLanguage)
{
    EXPECT_EQ(CHelpWindow::TopicPage(13), "qrc:/help/topic13.html");
    ASSERT_TRUE(CTranslations::Install("fr"));
    EXPECT_EQ(CHelpWindow::TopicPage(13), "qrc:/help/fr/topic13.html");
    EXPECT_EQ(CHelpWindow::TopicPage(9999), "qrc:/help/fr/topic1.html");
    // Every topic: its French page, or its English one while it has none.
    const QStringList english = QDir(":/help").entryList({"topic*.html"}, QDir::Files);
    for (const QString &page : english) {
        const int topic = QString(page).remove("topic").remove(".html").toInt();
        const QString french = ":/help/fr/" + page;
        EXPECT_EQ(CHelpWindow::TopicPage(topic),
                  "qrc" + (QFile::exists(french) ? french : ":/help/" + page));
    }
}

} // namespace

namespace {

// The language at start: Options' choice, else the system's first interface language.
TEST(LanguageChoiceTest, OptionsOverrideTheSystem)
{
    struct Case {
        const char *setting;
        QStringList system;
        const char *chosen;
    };
    const Case cases[] = {
        {"", {"fr-CA", "en-CA"}, "fr"}, {"", {"fr"}, "fr"},
        {"", {"en-CA", "fr-CA"}, "en"}, {"", {}, "en"},
        {"en", {"fr-CA"}, "en"},        {"fr", {"en-US"}, "fr"},
        {"de", {"fr-FR"}, "fr"},        {"", {"de-DE"}, "en"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CTranslations::ChosenLanguage(c.setting, c.system), c.chosen)
            << c.setting << " " << c.system.join(',').toStdString();
}

// Options ▸ Language is kept in the settings; what the settings cannot name reads as
// the system's.
TEST(LanguageChoiceTest, PreferencesKeepTheLanguage)
{
    App();
    Sandbox box;
    CAppSettings settings(box.path("settings.ini"));
    ScriptedPrompts prompts;
    EXPECT_EQ(settings.language(), "");
    CPreferencesDlg dialog(prompts, PreferencesData{});
    auto *language = dialog.findChild<QComboBox *>("language");
    ASSERT_NE(language, nullptr);
    language->setCurrentIndex(language->findData("fr"));
    dialog.accept();
    settings.setLanguage(dialog.data().language);
    EXPECT_EQ(settings.language(), "fr");
    settings.setLanguage("xx");
    EXPECT_EQ(settings.language(), "");
}

} // namespace
