#pragma once

// Running a program from a test through the system's shell (sh, or cmd.exe on Windows):
// its standard output and exit code, with each argument quoted for that shell.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <filesystem>
#else
#include <sys/wait.h>
#endif

// `text` as one argument of a command line: in single quotes for sh; in double quotes
// for cmd.exe and the program's own parser (CommandLineToArgvW's rules: backslashes
// are doubled only before a quote).
inline std::string ShellQuoted(const std::string &text)
{
#ifdef _WIN32
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
#else
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
#endif
}

// A program's path as the first word of a command line: cmd.exe takes a '/' for the start
// of a switch, so on Windows the separators are backslashes.
inline std::string ShellProgram(std::string path)
{
#ifdef _WIN32
    for (char &c : path)
        if (c == '/')
            c = '\\';
#endif
    return ShellQuoted(path);
}

// Runs a command line made with ShellQuoted: its standard output; its exit code into
// `exitCode` (-1 when it did not exit).
inline std::string RunShell(const std::string &command, int *exitCode = nullptr)
{
    std::string out;
#ifdef _WIN32
    // cmd.exe strips one pair of quotes around the whole line; the line is UTF-16 so
    // that names outside the ANSI code page arrive whole.
    const std::wstring line = std::filesystem::u8path("\"" + command + "\"").wstring();
    FILE *pipe = ::_wpopen(line.c_str(), L"rb");
#else
    FILE *pipe = ::popen(command.c_str(), "r");
#endif
    if (!pipe) {
        if (exitCode)
            *exitCode = -1;
        return out;
    }
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, got);
#ifdef _WIN32
    const int status = ::_pclose(pipe);
    if (exitCode)
        *exitCode = status;
#else
    const int status = ::pclose(pipe);
    if (exitCode)
        *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return out;
}

// Poppler's pdftotext and pdfinfo are programs of the build machine, out of reach of a
// test program running under Wine: a case that reads a PDF's text skips there. The text
// of the PDFs tollmark-cli.exe writes is compared with this machine's on the build
// machine itself (cli_smoke_windows).
#ifdef _WIN32
#define SKIP_WITHOUT_PDF_TEXT() \
    GTEST_SKIP() << "reads the PDF with poppler's pdftotext, a program of the build machine"
#else
#define SKIP_WITHOUT_PDF_TEXT() \
    do { \
    } while (false)
#endif
