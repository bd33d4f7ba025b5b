#include "records/recordmerge.h"

#include "records/pathnames.h"
#include "records/recordfile.h"
#include "records/safefile.h"

Result MergeFile(CIftaDoc &doc, const std::string &path)
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
    doc.mergeFrom(header, ParseTripLines(bytes, kCurrentHeaderSize), FullPath(path));
    return Result::success();
}
