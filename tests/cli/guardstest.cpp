// What every tollmark-cli subcommand gets around it: an output named as one of its inputs
// is refused and the input left whole, and a listing that could not be written to
// standard output fails the command.

#include "cli/clirun.h"
#include "posixonly.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kSamples = TOLLMARK_SAMPLE_DATA;

std::string Copy(const std::string &sample, const std::string &name)
{
    const std::string path = CliTempPath(name);
    fs::copy_file(kSamples + "/" + sample, path, fs::copy_options::overwrite_existing);
    return path;
}

TEST(CliGuardsTest, AnOutputThatIsAnInputIsRefusedAndTheInputKept)
{
    const std::string record = Copy("sample.irc", "a.irc");
    const std::string rates = Copy("ifta.itx", "T.itx");
    const std::string csv = Copy("sample.csv", "c.csv");
    const std::string link = CliTempPath("link.csv");
    fs::remove(link);
    // Wine makes no symbolic links: there the case of an output named through one is left
    // out.
    std::error_code noLink;
    fs::create_symlink(csv, link, noLink);
    const std::string dotted =
        (fs::path(record).parent_path() / "." / fs::path(record).filename()).string();
    std::vector<std::vector<std::string>> runs = {
        {"export-summary", record, "--rates", rates, "--out", record},
        {"export-summary", record, "--rates", rates, "--out", dotted},
        {"print", record, "--rates", rates, "--what", "entries", "--pdf", record},
        {"print", record, "--rates", rates, "--what", "rates", "--pdf", rates},
        {"import", csv, "--rates", rates, "--out", csv},
        {"import", csv, "--by-heading", "--rates", rates, "--out", csv},
        {"merge", "--out", record, record},
        {"parse-chart", csv, "--rates", rates, "--country", "US", "--out", rates},
    };
    if (!noLink)
        runs.push_back({"import", csv, "--rates", rates, "--out", link});
    const std::vector<std::string> inputs = {record, rates, csv};
    std::vector<std::string> before;
    for (const std::string &path : inputs)
        before.push_back(ReadBytes(path));
    for (const std::vector<std::string> &args : runs) {
        const CliRun run = RunCli(args, CliTempPath("err"));
        EXPECT_EQ(run.exitCode, 1) << args[0] << " " << args.back();
        EXPECT_NE(run.err.find("is also an input of this command"), std::string::npos) << run.err;
        for (size_t i = 0; i < inputs.size(); ++i)
            EXPECT_EQ(ReadBytes(inputs[i]), before[i]) << args[0] << " " << inputs[i];
    }
}

#ifndef _WIN32
// Runs tollmark-cli with its standard output going to `stdoutTarget` (a shell redirection).
int RunWithStdout(const std::vector<std::string> &args, const std::string &stdoutTarget,
                  std::string &err)
{
    const std::string errPath = CliTempPath("err");
    std::string command = Quoted(TOLLMARK_CLI);
    for (const std::string &arg : args)
        command += " " + Quoted(arg);
    command += " " + stdoutTarget + " 2>" + Quoted(errPath);
    const int status = std::system(command.c_str());
    err = ReadBytes(errPath);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CliGuardsTest, AListingThatCannotBeWrittenFailsTheCommand)
{
    const std::string record = kSamples + "/sample.irc";
    const std::string rates = kSamples + "/ifta.itx";
    const std::vector<std::vector<std::string>> listings = {
        {"dump-record", record},
        {"dump-rates", rates},
        {"dump-profiles", Copy("ifta.usr", "p.usr")},
        {"entries", record, "--rates", rates},
        {"report", record, "--rates", rates},
        {"rates", rates},
        {"vehicles", record, "--rates", rates},
        {"check", record, "--rates", rates},
        {"late", record, "--rates", rates, "--filed", "2026-07-15"},
    };
    for (const std::vector<std::string> &args : listings) {
        std::string err;
        EXPECT_EQ(RunWithStdout(args, ">/dev/null", err), 0) << args[0] << err;
        if (!fs::exists("/dev/full"))
            continue;
        EXPECT_EQ(RunWithStdout(args, ">/dev/full", err), 1) << args[0];
        EXPECT_NE(err.find("could not be written to standard output"), std::string::npos)
            << args[0] << ": " << err;
        EXPECT_EQ(RunWithStdout(args, ">&-", err), 1) << args[0];
    }
}
#else
POSIX_ONLY_SKIP(CliGuardsTest, AListingThatCannotBeWrittenFailsTheCommand,
                "a full or closed standard output is a shell redirection to /dev/full or >&-")
#endif

std::string Spit(const std::string &name, const std::string &bytes)
{
    const std::string path = CliTempPath(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}

// Inputs refused with their reason on standard error, exit 1, and no output file.
TEST(CliGuardsTest, RefusedInputsSayWhyAndWriteNothing)
{
    const std::string rates = kSamples + "/ifta.itx";
    const std::string record = Copy("sample.irc", "a.irc");
    const std::string out = CliTempPath("out.irc");
    const std::string crOnly = Spit("cr.csv", "\r\r\r");
    const std::string headerOnly = Spit("header.csv", "Date,State,Fuel,Odometer\r\n\r\n");
    const std::string noRates = Spit("none.itx", "#TAXHEAD#\t2026\t2\tCanada\t\n");
    const struct {
        std::vector<std::string> args;
        std::string err;
    } runs[] = {
        {{"import", crOnly, "--rates", rates, "--out", out}, "No trip lines in " + crOnly + ".\n"},
        {{"import", headerOnly, "--rates", rates, "--out", out},
         "No trip lines in " + headerOnly + ".\n"},
        {{"update-rates", record, "--rates", noRates},
         "The tax-rate file names no jurisdiction. Tax not loaded.\n"},
        // The same file named twice, once through ".".
        {{"merge", "--out", out, record,
          (fs::path(record).parent_path() / "." / fs::path(record).filename()).string()},
         ""},
    };
    for (const auto &run : runs) {
        fs::remove(out);
        const CliRun result = RunCli(run.args, CliTempPath("err"));
        EXPECT_EQ(result.exitCode, 1) << run.args[0] << " " << run.args[1];
        if (!run.err.empty()) {
            EXPECT_EQ(result.err, run.err);
        }
        EXPECT_FALSE(result.err.empty());
        EXPECT_FALSE(fs::exists(out)) << run.args[0];
    }

    // A failed delete from a zero-length profiles file leaves it empty.
    const std::string emptyStore = Spit("empty.usr", "");
    const CliRun deleted = RunCli({"profiles-delete", emptyStore, "0"}, CliTempPath("err"));
    EXPECT_EQ(deleted.exitCode, 1);
    EXPECT_NE(deleted.err.find("holds no profiles"), std::string::npos) << deleted.err;
    EXPECT_EQ(fs::file_size(emptyStore), 0u);

    // A record the user may not write: update-rates says why. Permission bits are
    // POSIX's, and root ignores them: as root the command runs as nobody.
#ifndef _WIN32
    fs::permissions(record, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(rates, fs::perms::owner_read | fs::perms::others_read, fs::perm_options::add);
    std::string command = ShellProgram(TOLLMARK_CLI);
    if (RunningAsRoot())
        command = "setpriv --reuid=65534 --regid=65534 --clear-groups " + command;
    for (const std::string &arg :
         {std::string("update-rates"), record, std::string("--rates"), rates})
        command += " " + Quoted(arg);
    CliRun result;
    RunShell(command + " 2>" + Quoted(CliTempPath("err")), &result.exitCode);
    result.err = ReadBytes(CliTempPath("err"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Cannot save the file"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Permission denied"), std::string::npos) << result.err;
    fs::permissions(record, fs::perms::owner_read | fs::perms::owner_write);
#endif
}

} // namespace
