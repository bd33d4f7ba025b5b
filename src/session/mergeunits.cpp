#include "session/mergeunits.h"

#include "formats/recordmerge.h"
#include "platform/cp1252.h"
#include "platform/platformfile.h"
#include "records/unitnumber.h"

std::string UnitFromFileName(const std::string &path)
{
    const std::string stem = Utf8FromPath(PathFromUtf8(path).stem());
    return CleanUnitNumber(Utf8ToCp1252(stem));
}

Result MergeRecordFile(CIftaDoc &doc, const std::string &path, bool unitsFromNames)
{
    return MergeFile(doc, path, unitsFromNames ? UnitFromFileName(path) : std::string());
}
