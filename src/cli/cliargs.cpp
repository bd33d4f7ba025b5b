#include "cli/cliargs.h"

#include "formats/recordfile.h"
#include "platform/cp1252.h"
#include "session/ctaxsession.h"

#include <algorithm>
#include <iostream>

bool CliArgs::parse(int argc, char **argv, const std::vector<std::string> &flags)
{
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            const std::string name = arg.substr(2);
            if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
                options_[name] = "1";
                continue;
            }
            if (i + 1 >= argc) {
                error_ = "option " + arg + " needs a value";
                return false;
            }
            options_[name] = argv[++i];
        } else {
            positional_.push_back(arg);
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
    return args.has("whole-units") ? FuelRounding::WholeUnits : FuelRounding::Cents;
}
