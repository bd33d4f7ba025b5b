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

    RecordHeader header;
    if (!ParseRecordHeader(bytes, header) || header.layout != kCurrentRecordLayout) {
        doc.mergeRefused();
        return Result::badFormat(kIncompatibleFileFormat);
    }
    doc.mergeFrom(header, ParseTripLines(bytes, kCurrentHeaderSize), FullPath(path));
    return Result::success();
}
