#include "sessionbase/outputcheck.h"

#include "numbers/uitext.h"
#include "platform/platformfile.h"

Result OutputOverInput(const std::string &output, const std::vector<std::string> &inputs)
{
    for (const std::string &input : inputs) {
        if (!input.empty() && SameFile(output, input))
            return Result::failure(UiArgs(
                UiText("OutputCheck", "%1 is the same file as %2, which the program reads; it "
                                      "was not written. Choose another file."),
                {output, input}));
    }
    return Result::success();
}
