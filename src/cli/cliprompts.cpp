#include "cli/cliprompts.h"

#include "sessionbase/dialogdata.h"

bool CliPrompts::chooseMergeFiles(MergeDialogData &data)
{
    data.paths = mergePaths;
    data.unitsFromNames = unitsFromNames;
    return !data.paths.empty();
}
