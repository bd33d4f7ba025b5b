#include "views/cmergeflow.h"

#include "ui/userprompts.h"
#include "records/ciftadoc.h"

CMergeFlow::CMergeFlow(CIftaDoc &doc, UserPrompts &prompts, FlowHooks hooks)
    : doc_(doc)
    , prompts_(prompts)
    , hooks_(std::move(hooks))
{
}

bool CMergeFlow::OnMergeFiles()
{
    if (hooks_.saveModified && !hooks_.saveModified())
        return false;
    doc_.removeAllEntries();
    if (hooks_.newDocumentStep) {
        hooks_.newDocumentStep();
    } else {
        doc_.sourcePath.clear();
        doc_.setModified(false);
    }
    doc_.mergeCounter = 0;
    if (hooks_.showEntryList)
        hooks_.showEntryList();

    const bool ok = prompts_.runMerge(doc_);
    if (ok) {
        doc_.forceCompanyDialog = true;
    } else {
        doc_.removeAllEntries();
        doc_.setModified(false);
    }
    // Also after Cancel: the list must not keep showing the lines just discarded.
    if (hooks_.showEntryList)
        hooks_.showEntryList();
    return ok;
}
