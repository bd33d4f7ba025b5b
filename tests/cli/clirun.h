#pragma once

// Running the built tollmark-cli from a test: its standard output, its standard error
// and its exit code, with every argument quoted for the shell.

#include "shellcommand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string Quoted(const std::string &text)
{
    return ShellQuoted(text);
}

// A file name in the test folder, unique to the running test.
inline std::string CliTempPath(const std::string &name)
{
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    return (std::filesystem::path(::testing::TempDir()) /
            (std::string("cli-") + info->name() + "-" + name))
        .string();
}

// Runs tollmark-cli with `args`; its standard error goes through `errPath`.
inline CliRun RunCli(const std::vector<std::string> &args, const std::string &errPath)
{
    std::string command = ShellProgram(TOLLMARK_CLI);
    for (const std::string &arg : args)
        command += " " + Quoted(arg);
    command += " 2>" + Quoted(errPath);
    CliRun run;
    run.out = RunShell(command, &run.exitCode);
    run.err = ReadBytes(errPath);
    return run;
}

// Fixes tollmark-cli's "today" (TOLLMARK_TODAY) for the programs this test runs, until it
// goes out of scope.
class ScopedToday
{
public:
    explicit ScopedToday(const char *day) { set(day); }
    ~ScopedToday() { set(""); }
    ScopedToday(const ScopedToday &) = delete;
    ScopedToday &operator=(const ScopedToday &) = delete;

private:
    static void set(const char *day)
    {
#ifdef _WIN32
        _putenv_s("TOLLMARK_TODAY", day);
#else
        if (*day)
            setenv("TOLLMARK_TODAY", day, 1);
        else
            unsetenv("TOLLMARK_TODAY");
#endif
    }
};
