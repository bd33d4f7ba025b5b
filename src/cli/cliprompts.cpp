#include "cli/cliprompts.h"

#include "platform/cp1252.h"
#include "session/mergeunits.h"

#include <iostream>

bool CliPrompts::runMerge(CIftaDoc &doc)
{
    bool anyMerged = false;
    for (const std::string &path : mergePaths) {
        const Result merged = MergeRecordFile(doc, path, unitsFromNames);
        if (!merged) {
            std::cerr << path << ": " << Cp1252ToUtf8(merged.message) << '\n';
            mergeRefused = true;
        } else {
            anyMerged = true;
        }
    }
    // Nothing merged: the dialog would have nothing to confirm.
    return anyMerged;
}
