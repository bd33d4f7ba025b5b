// tollmark-cli: the program's logic without a window, for scripts, accountants and tests.

#include "cli/commandline.h"

#include "platform/platformfile.h"

#include <string>
#include <vector>

int main(int argc, char **argv)
{
    // Bytes out as they are (no CR added on Windows) and arguments as UTF-8, so file
    // names and texts are the same on every system.
    UseBinaryStandardStreams();
    std::vector<std::string> arguments = Utf8Arguments(argc, argv);
    std::vector<char *> pointers;
    for (std::string &argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    return RunCommandLine(static_cast<int>(arguments.size()), pointers.data());
}
