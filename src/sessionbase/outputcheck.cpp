#include "sessionbase/outputcheck.h"

#include "platform/platformfile.h"

Result OutputOverInput(const std::string &output, const std::vector<std::string> &inputs)
{
    for (const std::string &input : inputs) {
        if (!input.empty() && SameFile(output, input))
            return Result::failure(output + " is the same file as " + input +
                                   ", which the program reads; it was not written. Choose "
                                   "another file.");
    }
    return Result::success();
}
