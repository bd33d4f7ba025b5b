#include "sessionbase/mergeunits.h"

#include "formats/recordmerge.h"
#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "platform/platformfile.h"
#include "records/ciftadoc.h"
#include "records/unitnumber.h"
#include "sessionbase/dialogdata.h"

#include <map>

std::string UnitFromFileName(const std::string &path)
{
    const std::string stem = Utf8FromPath(PathFromUtf8(path).stem());
    return CleanUnitNumber(Utf8ToCp1252(stem));
}

Result MergeRecordFile(CIftaDoc &doc, const std::string &path, bool unitsFromNames)
{
    const std::string unit = unitsFromNames ? UnitFromFileName(path) : std::string();
    // A name longer than a unit number is cut; when lines merged before already carry the
    // cut unit, another file's name gave it too, and two trucks would become one.
    const std::string whole = Utf8ToCp1252(Utf8FromPath(PathFromUtf8(path).stem()));
    if (!unit.empty() && whole.size() > kUnitNumberLength) {
        for (const TripEntry &line : doc.entries()) {
            if (line.reservedText == unit)
                return Result::failure(UiArgs(
                    UiText("MergeUnits",
                           "The name of %1 gives the unit number \"%2\" only cut to %3 "
                           "characters, and trips merged before already carry it: two trucks "
                           "would become one unit. Rename the file; it was not merged."),
                    {Utf8ToCp1252(path), unit, std::to_string(kUnitNumberLength)}));
        }
    }
    return MergeFile(doc, path, unit);
}

Result ProbeMergeFile(const std::string &path, TaxPeriod &period)
{
    CIftaDoc probe;
    const Result read = MergeFile(probe, path);
    if (read)
        period = probe.recordPeriod();
    return read;
}

int FindSameFile(const std::vector<std::string> &paths, const std::string &path)
{
    const std::string key = FileKey(path);
    for (size_t i = 0; i < paths.size(); ++i) {
        if (FileKey(paths[i]) == key)
            return static_cast<int>(i);
    }
    return -1;
}

MergeOutcome MergeRecordFiles(CIftaDoc &doc, const MergeDialogData &data)
{
    MergeOutcome outcome;
    std::map<std::string, const std::string *> seen; // FileKey -> the name it came under
    for (const std::string &path : data.paths) {
        const auto [earlier, first] = seen.emplace(FileKey(path), &path);
        const Result merged =
            first ? MergeRecordFile(doc, path, data.unitsFromNames)
                  : Result::failure(
                        UiArgs(UiText("MergeUnits",
                                      "It is the same file as %1, whose trips were merged once."),
                               {Utf8ToCp1252(*earlier->second)}));
        if (merged)
            ++outcome.merged;
        else
            outcome.refusals.push_back(Utf8ToCp1252(path) + ": " + merged.message);
    }
    return outcome;
}
