#pragma once

// Running a tollmark-cli command line in the test's own process: RunCommandLine, the
// program's whole command line but for main's conversion of the arguments, with
// std::cout and std::cerr caught. For cases that need no real process: usage errors,
// exit codes, failures of the input.

#include "cli/clirun.h"
#include "cli/commandline.h"

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

// std::cout and std::cerr into strings while it lives.
class CaughtStandardStreams
{
public:
    CaughtStandardStreams()
        : out_(std::cout.rdbuf(outText_.rdbuf()))
        , err_(std::cerr.rdbuf(errText_.rdbuf()))
    {
    }
    ~CaughtStandardStreams()
    {
        std::cout.rdbuf(out_);
        std::cerr.rdbuf(err_);
        std::cout.clear();
        std::cerr.clear();
    }
    CaughtStandardStreams(const CaughtStandardStreams &) = delete;
    CaughtStandardStreams &operator=(const CaughtStandardStreams &) = delete;

    std::string out() const { return outText_.str(); }
    std::string err() const { return errText_.str(); }

private:
    std::ostringstream outText_;
    std::ostringstream errText_;
    std::streambuf *out_;
    std::streambuf *err_;
};

// Runs `command` (a function giving an exit code) with the standard streams caught.
template <typename Command>
CliRun RunCaught(Command command)
{
    CliRun run;
    CaughtStandardStreams caught;
    run.exitCode = command();
    run.out = caught.out();
    run.err = caught.err();
    return run;
}

// tollmark-cli `args` (the subcommand first), run in this process.
inline CliRun RunCliInProcess(std::vector<std::string> args)
{
    args.insert(args.begin(), "tollmark-cli");
    std::vector<char *> pointers;
    for (std::string &arg : args)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    return RunCaught(
        [&] { return RunCommandLine(static_cast<int>(args.size()), pointers.data()); });
}
