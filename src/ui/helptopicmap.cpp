#include "ui/helptopicmap.h"

#include "ui/commandids.h"

namespace {

struct TopicOf {
    unsigned context;
    int topic;
};

constexpr unsigned kImportDialogContext = 0x10000u + 159u;

const TopicOf kTopics[] = {
    {kImportDialogContext, 34},
    // The view modes and the status bar.
    {HelpContext(ID_VIEW_REPORT), 17},
    {HelpContext(ID_VIEW_LIST), 17},
    {HelpContext(ID_VIEW_TAX_RATES), 17},
    {HelpContext(ID_TB_VIEW_REPORT), 17},
    {HelpContext(ID_TB_VIEW_LIST), 17},
    {HelpContext(ID_TB_VIEW_TAX_RATES), 17},
    {HelpContext(ID_VIEW_CHECK), 17},
    {HelpContext(ID_TB_VIEW_CHECK), 17},
    {HelpContext(ID_VIEW_STATUS_BAR), 17},
    // Files.
    {HelpContext(ID_LOAD_TAX_RATES), 2},
    {HelpContext(ID_SAVE_TAX_RATES), 2},
    {HelpContext(ID_SAVE_WITH_CURRENT_RATES), 2},
    {HelpContext(ID_MERGE_FILES), 2},
    {HelpContext(ID_RESTORE_VERSION), 2},
    {HelpContext(ID_FILE_NEW), 2},
    {HelpContext(ID_FILE_OPEN), 2},
    {HelpContext(ID_FILE_SAVE), 2},
    {HelpContext(ID_FILE_PRINT), 2},
    // Editing trips.
    {HelpContext(ID_EDIT_DELETE), 3},
    {HelpContext(ID_EDIT_MODIFY), 3},
    {HelpContext(ID_EDIT_ADD_NEW), 3},
    {HelpContext(ID_COMPANY_INFO), 13},
    {HelpContext(ID_ODOMETER_ON), 16},
    {HelpContext(ID_ODOMETER_OFF), 16},
    {HelpContext(ID_DOWNLOAD), 19},
    {HelpContext(ID_TAX_RATES_INFO), 18},
    {HelpContext(ID_APP_ABOUT), 20},
    {HelpContext(ID_VIEW_TOOLBAR), 22},
};

} // namespace

int HelpTopicMap(unsigned context)
{
    for (const TopicOf &t : kTopics) {
        if (t.context == context)
            return t.topic;
    }
    return 1;
}
