#include "formats/recordmerge.h"

#include "formats/recordfile.h"
#include "platform/pathnames.h"
#include "platform/safefile.h"

Result MergeFile(CIftaDoc &doc, const std::string &path, const std::string &unitForBareLines)
{
    std::string bytes;
    const Result read = SafeFile::readAll(path, bytes, SafeFile::kRecordFileLimit);
    if (!read)
        return read;

    RecordHeader header;
    if (!ParseRecordHeader(bytes, header) || header.layout != kCurrentRecordLayout) {
        doc.mergeRefused();
        return Result::badFormat(kIncompatibleFileFormat);
    }
    std::vector<TripEntry> lines = ParseTripLines(bytes, kCurrentHeaderSize);
    if (!unitForBareLines.empty()) {
        for (TripEntry &line : lines) {
            if (line.reservedText.empty())
                line.reservedText = unitForBareLines;
        }
    }
    doc.mergeFrom(header, std::move(lines), FullPath(path));
    return Result::success();
}
