#include "cli/cliprompts.h"

#include "records/cp1252.h"
#include "records/recordmerge.h"

#include <iostream>

bool CliPrompts::runMerge(CIftaDoc &doc)
{
    for (const std::string &path : mergePaths) {
        const Result merged = MergeFile(doc, path);
        if (!merged) {
            std::cerr << path << ": " << Cp1252ToUtf8(merged.message) << '\n';
            mergeRefused = true;
        }
    }
    return true;
}
