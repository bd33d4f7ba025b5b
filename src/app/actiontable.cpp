#include "app/actiontable.h"

#include "ui/commandids.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>

namespace {

// One command: its id, menu text (accelerator text after the tab), the accelerator that
// really runs it (empty when the text names a menu mnemonic only), the prompt (status
// text, then tooltip after "\n"), a toolbar image and whether it is a check button.
struct CommandSpec {
    int id;
    const char *text;
    const char *shortcut;
    const char *prompt;
    const char *icon;
    bool checkable;
};

// The menu texts and prompts are translated in the context "Commands".
const CommandSpec kCommands[] = {
    // File
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("Commands", "&New\tCtrl+N"), "Ctrl+N",
     QT_TRANSLATE_NOOP("Commands", "Create a new document\nNew"), "new", false},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("Commands", "&Open...\tCtrl+O"), "Ctrl+O",
     QT_TRANSLATE_NOOP("Commands", "Open an existing document\nOpen"), "open", false},
    {ID_MERGE_FILES, QT_TRANSLATE_NOOP("Commands", "&Merge Files\tCtrl+M"), "Ctrl+M",
     QT_TRANSLATE_NOOP("Commands", "Merge files\nMerge"), nullptr, false},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("Commands", "&Save\tCtrl+S"), "Ctrl+S",
     QT_TRANSLATE_NOOP("Commands", "Save the active document\nSave"), "save", false},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Commands", "Save &As..."), "",
     QT_TRANSLATE_NOOP("Commands", "Save the active document with a new name\nSave As"), nullptr,
     false},
    {ID_SAVE_WITH_CURRENT_RATES, QT_TRANSLATE_NOOP("Commands", "Save/&Update Tax Rates"), "",
     QT_TRANSLATE_NOOP("Commands",
                       "Save document with the current tax rate\nSave with current tax"),
     nullptr, false},
    {ID_RESTORE_VERSION, QT_TRANSLATE_NOOP("Commands", "Restore Version from &Backups..."), "",
     QT_TRANSLATE_NOOP("Commands",
                       "Open a version of the record file that a save replaced\nRestore Version"),
     nullptr, false},
    {ID_LOAD_TAX_RATES, QT_TRANSLATE_NOOP("Commands", "Load &Tax Rates"), "",
     QT_TRANSLATE_NOOP("Commands", "Load the tax rates from a tax file\nLoad Tax Rates"), nullptr,
     false},
    {ID_SAVE_TAX_RATES, QT_TRANSLATE_NOOP("Commands", "Sav&e Tax Rates"), "",
     QT_TRANSLATE_NOOP("Commands", "Save the tax rates to a tax file\nSave Tax Rates"), nullptr,
     false},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("Commands", "&Print...\tCtrl+P"), "Ctrl+P",
     QT_TRANSLATE_NOOP("Commands", "Print the active document\nPrint"), "print", false},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("Commands", "Print Pre&view"), "",
     QT_TRANSLATE_NOOP("Commands", "Display full pages\nPrint Preview"), nullptr, false},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("Commands", "P&rint Setup..."), "",
     QT_TRANSLATE_NOOP("Commands", "Change the printer and printing options\nPrint Setup"), nullptr,
     false},
    {ID_IMPORT, QT_TRANSLATE_NOOP("Commands", "&Import...\tCtrl+Shift+I"), "Ctrl+Shift+I",
     QT_TRANSLATE_NOOP("Commands", "Import from excel text file (csv)\nImport"), nullptr, false},
    {ID_FILING_DATE, QT_TRANSLATE_NOOP("Commands", "Filing &Date..."), "",
     QT_TRANSLATE_NOOP("Commands", "Set the day the return is filed and its due date\nFiling Date"),
     nullptr, false},
    {ID_EXPORT_SUMMARY, QT_TRANSLATE_NOOP("Commands", "Export Summar&y..."), "",
     QT_TRANSLATE_NOOP("Commands",
                       "Write the return as a summary file for a filing portal\nExport Summary"),
     nullptr, false},
    {ID_EXPORT_YEAR, QT_TRANSLATE_NOOP("Commands", "Export Year Summary as &CSV..."), "",
     QT_TRANSLATE_NOOP("Commands",
                       "Write the year summary as a comma-separated file\nExport Year Summary"),
     nullptr, false},
    {ID_FILE_MRU_FILE1, "", "", QT_TRANSLATE_NOOP("Commands", "Open this document"), nullptr,
     false},
    {ID_FILE_MRU_FILE2, "", "", QT_TRANSLATE_NOOP("Commands", "Open this document"), nullptr,
     false},
    {ID_FILE_MRU_FILE3, "", "", QT_TRANSLATE_NOOP("Commands", "Open this document"), nullptr,
     false},
    {ID_FILE_MRU_FILE4, "", "", QT_TRANSLATE_NOOP("Commands", "Open this document"), nullptr,
     false},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("Commands", "E&xit\tAlt+X"), "Alt+X",
     QT_TRANSLATE_NOOP("Commands", "Quit the application; prompts to save documents\nExit"),
     nullptr, false},
    // Edit
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Commands", "&Undo\tCtrl+Z"), "Ctrl+Z",
     QT_TRANSLATE_NOOP("Commands", "Undo the last change\nUndo"), nullptr, false},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("Commands", "&Redo\tCtrl+Y"), "Ctrl+Y",
     QT_TRANSLATE_NOOP("Commands", "Redo the change undone last\nRedo"), nullptr, false},
    {ID_EDIT_DELETE, QT_TRANSLATE_NOOP("Commands", "&Delete\tCtrl+D"), "Ctrl+D",
     QT_TRANSLATE_NOOP("Commands", "Delete the selected item\nDelete"), nullptr, false},
    {ID_EDIT_MODIFY, QT_TRANSLATE_NOOP("Commands", "&Modify\tCtrl+E"), "Ctrl+E",
     QT_TRANSLATE_NOOP("Commands", "Modify the selected item\nModify"), nullptr, false},
    {ID_EDIT_ADD_NEW, QT_TRANSLATE_NOOP("Commands", "&Add New\tCtrl+A"), "Ctrl+A",
     QT_TRANSLATE_NOOP("Commands", "Add a new item\nAdd New"), nullptr, false},
    {ID_EDIT_COPY_TRIPS, QT_TRANSLATE_NOOP("Commands", "Cop&y Trips\tCtrl+C"), "Ctrl+C",
     QT_TRANSLATE_NOOP("Commands", "Copy the selected trip lines for a spreadsheet\nCopy Trips"),
     nullptr, false},
    {ID_EDIT_PASTE_TRIPS, QT_TRANSLATE_NOOP("Commands", "Pas&te Trips\tCtrl+V"), "Ctrl+V",
     QT_TRANSLATE_NOOP("Commands",
                       "Add the trip lines of a spreadsheet on the clipboard\nPaste Trips"),
     nullptr, false},
    {ID_COMPANY_INFO, QT_TRANSLATE_NOOP("Commands", "&Company Info\tCtrl+I"), "Ctrl+I",
     QT_TRANSLATE_NOOP("Commands", "Edit Company Information\nCompany Info"), nullptr, false},
    {ID_PROFILES, QT_TRANSLATE_NOOP("Commands", "&Profiles\tCtrl+F"), "Ctrl+F",
     QT_TRANSLATE_NOOP("Commands", "Start a new record from a user profile\nProfiles"), nullptr,
     false},
    {ID_OPTIONS, QT_TRANSLATE_NOOP("Commands", "&Options"), "",
     QT_TRANSLATE_NOOP("Commands", "Default tax file and user profiles file\nOptions"), nullptr,
     false},
    // Context menu 131 of the entry list and 137 of the tax-rate list.
    {ID_CTX_DELETE, QT_TRANSLATE_NOOP("Commands", "&Delete"), "",
     QT_TRANSLATE_NOOP("Commands", "Delete the selected item\nDelete"), nullptr, false},
    {ID_CTX_MODIFY, QT_TRANSLATE_NOOP("Commands", "&Modify"), "",
     QT_TRANSLATE_NOOP("Commands", "Modify the selected item\nModify"), nullptr, false},
    {ID_CTX_ADD_NEW, QT_TRANSLATE_NOOP("Commands", "&Add New"), "",
     QT_TRANSLATE_NOOP("Commands", "Add a new item\nAdd New"), nullptr, false},
    {ID_TAX_CTX_MODIFY, QT_TRANSLATE_NOOP("Commands", "&Modify"), "",
     QT_TRANSLATE_NOOP("Commands", "Modify the selected tax rate\nModify"), nullptr, false},
    {ID_TAX_CTX_ADD_NEW, QT_TRANSLATE_NOOP("Commands", "&Add New"), "",
     QT_TRANSLATE_NOOP("Commands", "Add a new tax rate\nAdd New"), nullptr, false},
    // View
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Commands", "&Toolbar"), "",
     QT_TRANSLATE_NOOP("Commands", "Show or hide the toolbar\nToggle ToolBar"), nullptr, true},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Commands", "&Status Bar"), "",
     QT_TRANSLATE_NOOP("Commands", "Show or hide the status bar\nToggle StatusBar"), nullptr, true},
    {ID_VIEW_DIALOGBAR, QT_TRANSLATE_NOOP("Commands", "View Dialog &Bar"), "",
     QT_TRANSLATE_NOOP("Commands", "Show or hide Dialog Status Bar\nToggle Dialog Status Bar"),
     nullptr, true},
    {ID_VIEW_LIST, QT_TRANSLATE_NOOP("Commands", "View &List\tAlt+L"), "Alt+L",
     QT_TRANSLATE_NOOP("Commands", "Show the trip entries\nView List"), nullptr, false},
    {ID_VIEW_REPORT, QT_TRANSLATE_NOOP("Commands", "View &Report\tAlt+R"), "Alt+R",
     QT_TRANSLATE_NOOP("Commands", "Show the quarterly report\nView Report"), nullptr, false},
    {ID_VIEW_TAX_RATES, QT_TRANSLATE_NOOP("Commands", "View Tax R&ates\tAlt+T"), "Alt+T",
     QT_TRANSLATE_NOOP("Commands", "Show the tax rates\nView Tax Rates"), nullptr, false},
    {ID_VIEW_CHECK, QT_TRANSLATE_NOOP("Commands", "&Check\tAlt+K"), "Alt+K",
     QT_TRANSLATE_NOOP("Commands",
                       "Check the quarter's records as an audit would\nCheck the Quarter"),
     nullptr, false},
    {ID_VIEW_VEHICLES, QT_TRANSLATE_NOOP("Commands", "&Vehicles\tAlt+U"), "Alt+U",
     QT_TRANSLATE_NOOP("Commands",
                       "Show each unit's trips, distance, fuel and average\nView Vehicles"),
     nullptr, false},
    {ID_VIEW_YEAR, QT_TRANSLATE_NOOP("Commands", "&Year...\tAlt+Y"), "Alt+Y",
     QT_TRANSLATE_NOOP(
         "Commands",
         "Show one to four quarters of the carrier side by side with the year's sums\nView Year"),
     nullptr, false},
    // Toolbar only
    {ID_ODOMETER_ON, QT_TRANSLATE_NOOP("Commands", "Odometer ON"), "",
     QT_TRANSLATE_NOOP("Commands", "Use odometer readings for new trips\nOdometer ON"),
     "odometer-on", true},
    {ID_ODOMETER_OFF, QT_TRANSLATE_NOOP("Commands", "Odometer OFF"), "",
     QT_TRANSLATE_NOOP("Commands", "Enter distances without odometer\nOdometer OFF"),
     "odometer-off", true},
    {ID_TB_VIEW_LIST, QT_TRANSLATE_NOOP("Commands", "View List"), "",
     QT_TRANSLATE_NOOP("Commands", "Show the trip entries\nView List"), "view-list", false},
    {ID_TB_VIEW_TAX_RATES, QT_TRANSLATE_NOOP("Commands", "View Tax Rates"), "",
     QT_TRANSLATE_NOOP("Commands", "Show the tax rates\nView Tax Rates"), "view-rates", false},
    {ID_TB_VIEW_REPORT, QT_TRANSLATE_NOOP("Commands", "View Report"), "",
     QT_TRANSLATE_NOOP("Commands", "Show the quarterly report\nView Report"), "view-report", false},
    {ID_TB_VIEW_CHECK, QT_TRANSLATE_NOOP("Commands", "Check"), "",
     QT_TRANSLATE_NOOP("Commands",
                       "Check the quarter's records as an audit would\nCheck the Quarter"),
     "view-check", false},
    // Tax Rates
    {ID_DOWNLOAD, QT_TRANSLATE_NOOP("Commands", "&Download\tAlt+D"), "Alt+D",
     QT_TRANSLATE_NOOP("Commands", "Download tax rates\nDownload"), nullptr, false},
    {ID_TAX_RATES_INFO, QT_TRANSLATE_NOOP("Commands", "Tax Rates &Info"), "",
     QT_TRANSLATE_NOOP("Commands", "Loaded and document tax rates period\nTax Rates Info"), nullptr,
     false},
    // Help
    {ID_HELP_FINDER, QT_TRANSLATE_NOOP("Commands", "&Help Topics\tF1"), "",
     QT_TRANSLATE_NOOP("Commands", "List Help topics\nHelp Topics"), nullptr, false},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("Commands", "&About IFTA..."), "",
     QT_TRANSLATE_NOOP("Commands",
                       "Display program information, version number and copyright\nAbout"),
     "about", false},
    {ID_HELP, QT_TRANSLATE_NOOP("Commands", "Help"), "F1",
     QT_TRANSLATE_NOOP("Commands", "Display help for current task or command\nHelp"), nullptr,
     false},
    {ID_CONTEXT_HELP, QT_TRANSLATE_NOOP("Commands", "Help"), "Shift+F1",
     QT_TRANSLATE_NOOP("Commands", "Display help for clicked on buttons, menus and windows\nHelp"),
     "context-help", false},
};

QString CommandText(const char *text)
{
    return *text ? QCoreApplication::translate("Commands", text) : QString();
}

} // namespace

CActionTable::CActionTable(QObject *parent) : QObject(parent)
{
    for (const CommandSpec &entry : kCommands) {
        auto *a = new QAction(CommandText(entry.text), this);
        const QString prompt = CommandText(entry.prompt);
        const int newline = prompt.indexOf(QLatin1Char('\n'));
        a->setStatusTip(newline < 0 ? prompt : prompt.left(newline));
        a->setToolTip(newline < 0 ? prompt : prompt.mid(newline + 1));
        a->setData(entry.id);
        a->setCheckable(entry.checkable);
        if (*entry.shortcut)
            a->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        if (entry.icon)
            a->setIcon(QIcon(QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(entry.icon))));
        const int id = entry.id;
        connect(a, &QAction::triggered, this, [this, id] { emit command(id); });
        actions_.insert(id, a);
        order_.append(id);
    }
}
