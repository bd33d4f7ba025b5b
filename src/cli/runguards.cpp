#include "cli/runguards.h"

#include "cli/cliargs.h"
#include "platform/platformfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>

namespace {

bool IsOutputOption(const char *argument)
{
    return std::strcmp(argument, "--out") == 0 || std::strcmp(argument, "--pdf") == 0 ||
           std::strcmp(argument, "--csv") == 0;
}

// Standard output is flushed and checked once, at the end: a listing cut short by a
// full disk or a closed stream must not pass for a whole one.
int CheckStandardOutput(int code)
{
    std::cout.flush();
    errno = 0;
    const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) || !std::cout;
    if (!failed)
        return code;
    const int error = errno;
    std::cerr << "tollmark-cli: the output could not be written to standard output"
              << (error ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
    return code == ExitOk ? ExitInputFailure : code;
}

} // namespace

std::string OutputOverInput(int argc, char **argv)
{
    for (int o = 0; o + 1 < argc; ++o) {
        if (!IsOutputOption(argv[o]))
            continue;
        const std::string output = argv[o + 1];
        for (int i = 0; i < argc; ++i) {
            // Any other argument may name an input; option names and texts name no file.
            if (i == o + 1 || argv[i][0] == '\0' || IsOutputOption(argv[i]))
                continue;
            if (SameFile(output, argv[i]))
                return output + " is also an input of this command (" + argv[i] +
                       "); it was not written. Choose another output file.";
        }
    }
    return std::string();
}

int RunGuarded(int (*run)(const CliArgs &args), const CliArgs &args, int argc, char **argv)
{
    const std::string overInput = OutputOverInput(argc, argv);
    if (!overInput.empty())
        return InputFailure(overInput);
    int code = ExitOk;
    try {
        code = run(args);
    } catch (const std::bad_alloc &) {
        code = InputFailure("There is not enough memory to finish this command; it was stopped.");
    }
    return CheckStandardOutput(code);
}
