#include "records/recordmerge.h"

#include "records/recordfile.h"
#include "records/safefile.h"

#include <filesystem>

namespace {

std::string FullPath(const std::string &path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

} // namespace

Result MergeFile(CIftaDoc &doc, const std::string &path)
{
    std::string bytes;
    const Result read = SafeFile::readAll(path, bytes);
    if (!read)
        return read;

    doc.sourcePath.clear();
    RecordHeader header;
    if (!ParseRecordHeader(bytes, header) || header.layout != kCurrentRecordLayout) {
        doc.ClearCompany();
        doc.setModified(false);
        return Result::failure(kIncompatibleFileFormat);
    }
    doc.sourcePath = FullPath(path);
    ApplyHeader(doc, header);

    std::vector<TripEntry> lines = ParseTripLines(bytes, kCurrentHeaderSize);
    doc.entries.reserve(doc.entries.size() + lines.size());
    for (TripEntry &line : lines) {
        line.tripNumber = ++doc.mergeCounter;
        doc.entries.push_back(std::move(line));
    }
    doc.setModified(true);
    return Result::success();
}
