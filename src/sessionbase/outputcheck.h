#pragma once

#include "platform/result.h"

#include <string>
#include <vector>

// Success, or a failure naming both files when `output` is the same file as one of
// `inputs` (SameFile: after links, or the same device and inode). A save or an export is
// never written over a file the program reads: the open record, the tax-rate table.
Result OutputOverInput(const std::string &output, const std::vector<std::string> &inputs);
