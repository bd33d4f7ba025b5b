#include "app/actiontable.h"

#include "ui/commandids.h"

#include <QAction>
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

const CommandSpec kCommands[] = {
    // File
    {ID_FILE_NEW, "&New\tCtrl+N", "Ctrl+N", "Create a new document\nNew", "new", false},
    {ID_FILE_OPEN, "&Open...\tCtrl+O", "Ctrl+O", "Open an existing document\nOpen", "open", false},
    {ID_MERGE_FILES, "&Merge Files\tCtrl+M", "Ctrl+M", "Merge files\nMerge", nullptr, false},
    {ID_FILE_SAVE, "&Save\tCtrl+S", "Ctrl+S", "Save the active document\nSave", "save", false},
    {ID_FILE_SAVE_AS, "Save &As...", "", "Save the active document with a new name\nSave As",
     nullptr, false},
    {ID_SAVE_WITH_CURRENT_RATES, "Save/&Update Tax Rates", "",
     "Save document with the current tax rate\nSave with current tax", nullptr, false},
    {ID_RESTORE_VERSION, "Restore Version from &Backups...", "",
     "Open a version of the record file that a save replaced\nRestore Version", nullptr, false},
    {ID_LOAD_TAX_RATES, "Load &Tax Rates", "", "Load the tax rates from a tax file\nLoad Tax Rates",
     nullptr, false},
    {ID_SAVE_TAX_RATES, "Sav&e Tax Rates", "", "Save the tax rates to a tax file\nSave Tax Rates",
     nullptr, false},
    {ID_FILE_PRINT, "&Print...\tCtrl+P", "Ctrl+P", "Print the active document\nPrint", "print",
     false},
    {ID_FILE_PRINT_PREVIEW, "Print Pre&view", "", "Display full pages\nPrint Preview", nullptr,
     false},
    {ID_FILE_PRINT_SETUP, "P&rint Setup...", "",
     "Change the printer and printing options\nPrint Setup", nullptr, false},
    {ID_IMPORT, "&Import...\tCtrl+Shift+I", "Ctrl+Shift+I",
     "Import from excel text file (csv)\nImport", nullptr, false},
    {ID_FILING_DATE, "Filing &Date...", "",
     "Set the day the return is filed and its due date\nFiling Date", nullptr, false},
    {ID_EXPORT_SUMMARY, "Export Summar&y...", "",
     "Write the return as a summary file for a filing portal\nExport Summary", nullptr, false},
    {ID_EXPORT_YEAR, "Export Year Summary as &CSV...", "",
     "Write the year summary as a comma-separated file\nExport Year Summary", nullptr, false},
    {ID_FILE_MRU_FILE1, "", "", "Open this document", nullptr, false},
    {ID_FILE_MRU_FILE2, "", "", "Open this document", nullptr, false},
    {ID_FILE_MRU_FILE3, "", "", "Open this document", nullptr, false},
    {ID_FILE_MRU_FILE4, "", "", "Open this document", nullptr, false},
    {ID_APP_EXIT, "E&xit\tAlt+X", "Alt+X", "Quit the application; prompts to save documents\nExit",
     nullptr, false},
    // Edit
    {ID_EDIT_UNDO, "&Undo\tCtrl+Z", "Ctrl+Z", "Undo the last change\nUndo", nullptr, false},
    {ID_EDIT_REDO, "&Redo\tCtrl+Y", "Ctrl+Y", "Redo the change undone last\nRedo", nullptr, false},
    {ID_EDIT_DELETE, "&Delete\tCtrl+D", "Ctrl+D", "Delete the selected item\nDelete", nullptr,
     false},
    {ID_EDIT_MODIFY, "&Modify\tCtrl+E", "Ctrl+E", "Modify the selected item\nModify", nullptr,
     false},
    {ID_EDIT_ADD_NEW, "&Add New\tCtrl+A", "Ctrl+A", "Add a new item\nAdd New", nullptr, false},
    {ID_EDIT_COPY_TRIPS, "Cop&y Trips\tCtrl+C", "Ctrl+C",
     "Copy the selected trip lines for a spreadsheet\nCopy Trips", nullptr, false},
    {ID_EDIT_PASTE_TRIPS, "Pas&te Trips\tCtrl+V", "Ctrl+V",
     "Add the trip lines of a spreadsheet on the clipboard\nPaste Trips", nullptr, false},
    {ID_COMPANY_INFO, "&Company Info\tCtrl+I", "Ctrl+I", "Edit Company Information\nCompany Info",
     nullptr, false},
    {ID_PROFILES, "&Profiles\tCtrl+F", "Ctrl+F", "Start a new record from a user profile\nProfiles",
     nullptr, false},
    {ID_OPTIONS, "&Options", "", "Default tax file and user profiles file\nOptions", nullptr,
     false},
    // Context menu 131 of the entry list and 137 of the tax-rate list.
    {ID_CTX_DELETE, "&Delete", "", "Delete the selected item\nDelete", nullptr, false},
    {ID_CTX_MODIFY, "&Modify", "", "Modify the selected item\nModify", nullptr, false},
    {ID_CTX_ADD_NEW, "&Add New", "", "Add a new item\nAdd New", nullptr, false},
    {ID_TAX_CTX_MODIFY, "&Modify", "", "Modify the selected tax rate\nModify", nullptr, false},
    {ID_TAX_CTX_ADD_NEW, "&Add New", "", "Add a new tax rate\nAdd New", nullptr, false},
    // View
    {ID_VIEW_TOOLBAR, "&Toolbar", "", "Show or hide the toolbar\nToggle ToolBar", nullptr, true},
    {ID_VIEW_STATUS_BAR, "&Status Bar", "", "Show or hide the status bar\nToggle StatusBar",
     nullptr, true},
    {ID_VIEW_DIALOGBAR, "View Dialog &Bar", "",
     "Show or hide Dialog Status Bar\nToggle Dialog Status Bar", nullptr, true},
    {ID_VIEW_LIST, "View &List\tAlt+L", "Alt+L", "Show the trip entries\nView List", nullptr,
     false},
    {ID_VIEW_REPORT, "View &Report\tAlt+R", "Alt+R", "Show the quarterly report\nView Report",
     nullptr, false},
    {ID_VIEW_TAX_RATES, "View Tax R&ates\tAlt+T", "Alt+T", "Show the tax rates\nView Tax Rates",
     nullptr, false},
    {ID_VIEW_CHECK, "&Check\tAlt+K", "Alt+K",
     "Check the quarter's records as an audit would\nCheck the Quarter", nullptr, false},
    {ID_VIEW_VEHICLES, "&Vehicles\tAlt+U", "Alt+U",
     "Show each unit's trips, distance, fuel and average\nView Vehicles", nullptr, false},
    {ID_VIEW_YEAR, "&Year...\tAlt+Y", "Alt+Y",
     "Show one to four quarters of the carrier side by side with the year's sums\nView Year",
     nullptr, false},
    // Toolbar only
    {ID_ODOMETER_ON, "Odometer ON", "", "Use odometer readings for new trips\nOdometer ON",
     "odometer-on", true},
    {ID_ODOMETER_OFF, "Odometer OFF", "", "Enter distances without odometer\nOdometer OFF",
     "odometer-off", true},
    {ID_TB_VIEW_LIST, "View List", "", "Show the trip entries\nView List", "view-list", false},
    {ID_TB_VIEW_TAX_RATES, "View Tax Rates", "", "Show the tax rates\nView Tax Rates", "view-rates",
     false},
    {ID_TB_VIEW_REPORT, "View Report", "", "Show the quarterly report\nView Report", "view-report",
     false},
    {ID_TB_VIEW_CHECK, "Check", "",
     "Check the quarter's records as an audit would\nCheck the Quarter", "view-check", false},
    // Tax Rates
    {ID_DOWNLOAD, "&Download\tAlt+D", "Alt+D", "Download tax rates\nDownload", nullptr, false},
    {ID_TAX_RATES_INFO, "Tax Rates &Info", "",
     "Loaded and document tax rates period\nTax Rates Info", nullptr, false},
    // Help
    {ID_HELP_FINDER, "&Help Topics\tF1", "", "List Help topics\nHelp Topics", nullptr, false},
    {ID_APP_ABOUT, "&About IFTA...", "",
     "Display program information, version number and copyright\nAbout", "about", false},
    {ID_HELP, "Help", "F1", "Display help for current task or command\nHelp", nullptr, false},
    {ID_CONTEXT_HELP, "Help", "Shift+F1",
     "Display help for clicked on buttons, menus and windows\nHelp", "context-help", false},
};

} // namespace

CActionTable::CActionTable(QObject *parent) : QObject(parent)
{
    for (const CommandSpec &entry : kCommands) {
        auto *a = new QAction(QString::fromLatin1(entry.text), this);
        const QString prompt = QString::fromLatin1(entry.prompt);
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
