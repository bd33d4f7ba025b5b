#include "cli/cliargs.h"

#include "formats/recordfile.h"
#include "platform/cp1252.h"
#include "session/ctaxsession.h"

#include <algorithm>
#include <iostream>

namespace {

bool Lists(const std::vector<std::string> &names, const std::string &name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

bool CliArgs::parse(int argc, char **argv, const CliOptions &options)
{
    return takeOptions(argc, argv, options) && checkRequired(options);
}

bool CliArgs::takeOptions(int argc, char **argv, const CliOptions &options)
{
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.size() <= 2 || arg.compare(0, 2, "--") != 0) {
            positional_.push_back(arg);
            continue;
        }
        // A misspelt option is refused rather than left out silently.
        const std::string name = arg.substr(2);
        if (Lists(options.flags, name)) {
            options_[name] = "1";
        } else if (!Lists(options.values, name)) {
            error_ = "unknown option " + arg;
            return false;
        } else if (i + 1 >= argc) {
            error_ = "option " + arg + " needs a value";
            return false;
        } else {
            options_[name] = argv[++i];
        }
    }
    return true;
}

bool CliArgs::checkRequired(const CliOptions &options)
{
    if (!options.oneFile.empty() && positional_.size() != 1) {
        error_ = "expected exactly one " + options.oneFile;
        return false;
    }
    for (const std::string &usage : options.required) {
        // "--rates T.itx": the option's name is the first word after the dashes.
        const std::string name = usage.substr(2, usage.find(' ') - 2);
        if (value(name).empty()) {
            error_ = "missing " + usage;
            return false;
        }
    }
    return true;
}

std::string CliArgs::value(const std::string &name, const std::string &fallback) const
{
    auto it = options_.find(name);
    return it == options_.end() ? fallback : it->second;
}

int UsageError(const std::string &text)
{
    std::cerr << "tollmark-cli: " << text << '\n';
    return ExitUsage;
}

int InputFailure(const std::string &text)
{
    std::cerr << Cp1252ToUtf8(text) << '\n';
    return ExitInputFailure;
}

Result ReadRates(const std::string &path, LoadedTaxTable &rates)
{
    const Result read = CTaxSession::ReadTaxFileInto(path, rates);
    if (read && !read.message.empty())
        std::cerr << "tollmark-cli: note: " << Cp1252ToUtf8(read.message) << '\n';
    return read;
}

int ReadRatesAndRecord(const CliArgs &args, LoadedTaxTable &rates, CIftaDoc &doc)
{
    const Result table = ReadRates(args.value("rates"), rates);
    if (!table)
        return InputFailure(table.message);
    const Result read = ReadRecordFile(doc, args.positional()[0]);
    if (!read)
        return InputFailure(read.message);
    return ExitOk;
}

FuelRounding RoundingOption(const CliArgs &args)
{
    return args.has("whole-units") ? FuelRounding::WholeUnits : FuelRounding::Hundredths;
}
