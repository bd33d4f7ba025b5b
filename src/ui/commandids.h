#pragma once

// Command ids of menu 128, the toolbar, the accelerators and the two context menus. The
// numbers are the program's own (32771 and up) beside the framework's standard ones
// (57600 for New and so on); help contexts are 0x10000 plus the id.
enum Command : int {
    // Framework commands.
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_FILE_MRU_FILE2 = 57617,
    ID_FILE_MRU_FILE3 = 57618,
    ID_FILE_MRU_FILE4 = 57619,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_VIEW_DIALOGBAR = 106,

    // The program's own commands.
    ID_VIEW_REPORT = 32771,
    ID_LOAD_TAX_RATES = 32772,
    ID_CTX_DELETE = 32774,
    ID_EDIT_DELETE = 32776,
    ID_EDIT_MODIFY = 32777,
    ID_VIEW_LIST = 32778,
    ID_VIEW_TAX_RATES = 32779,
    ID_SAVE_TAX_RATES = 32780,
    ID_EDIT_ADD_NEW = 32781,
    ID_CTX_MODIFY = 32782,
    ID_CTX_ADD_NEW = 32783,
    ID_TAX_CTX_MODIFY = 32784,
    ID_TAX_CTX_ADD_NEW = 32785,
    ID_COMPANY_INFO = 32786,
    ID_ODOMETER_ON = 32788,
    ID_ODOMETER_OFF = 32789,
    ID_TB_VIEW_REPORT = 32790,
    ID_TB_VIEW_LIST = 32791,
    ID_TB_VIEW_TAX_RATES = 32793,
    ID_SAVE_WITH_CURRENT_RATES = 32795,
    ID_MERGE_FILES = 32796,
    ID_DOWNLOAD = 32797,
    ID_TAX_RATES_INFO = 32798,
    ID_PROFILES = 32799,
    ID_OPTIONS = 32804,
    ID_EDIT_UNDO = 32805,
    ID_EDIT_REDO = 32806,
    ID_IMPORT = 32807,
    ID_VIEW_CHECK = 32808,
    ID_TB_VIEW_CHECK = 32809,
    ID_VIEW_VEHICLES = 32810,
    // Filing a return.
    ID_FILING_DATE = 32830,
    ID_EXPORT_SUMMARY = 32831,
    // Earlier versions of the record file.
    ID_RESTORE_VERSION = 32840,
    // The year summary.
    ID_VIEW_YEAR = 32850,
    ID_EXPORT_YEAR = 32851,
    // Trip lines to and from a spreadsheet.
    ID_EDIT_COPY_TRIPS = 32860,
    ID_EDIT_PASTE_TRIPS = 32861,
};

// Help context of a command: 0x10000 plus its id (dialogs use their template number).
constexpr unsigned HelpContext(int id)
{
    return 0x10000u + static_cast<unsigned>(id);
}
