#pragma once

#include "numbers/uitext.h"
#include "platform/result.h"
#include "records/ciftadoc.h"
#include "records/recordheader.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The record file (*.irc): a binary header of fixed size (its layouts and fields in
// records/recordheader.h), then one text line per trip line.
constexpr size_t kCurrentHeaderSize = 508;
constexpr size_t kOlderHeaderSize = 332;

constexpr const char *kRecordFileFilter =
    UI_TEXT_NOOP("FileFilters", "IFTA record files (*.irc)|*.irc||");
constexpr const char *kIncompatibleFileFormat =
    UI_TEXT_NOOP("Messages", "Incompatible file format");

// Reads a header from the start of `bytes`. False for an unknown layout value or for
// bytes shorter than the layout's header.
bool ParseRecordHeader(const std::string &bytes, RecordHeader &header);

// The 508 bytes of the current header for the document; over-long texts are cut to the
// field width minus one.
std::string BuildHeader(const CIftaDoc &doc);

// Trip lines of the text part that starts at `offset` of `bytes`, each line as it was
// stored (trip numbers included). `refusal`, when given, receives why the lines may not
// be used (TripLineParser::refusal), or success.
std::vector<TripEntry> ParseTripLines(const std::string &bytes, size_t offset,
                                      Result *refusal = nullptr);

// One stored trip line, with its line feed.
std::string FormatTripLine(const TripEntry &entry);

// Applies the bytes of a whole record file to the document, as File Open does: the lines
// are replaced, `sourcePath` becomes `path`, and the odometer state follows the last line
// (or the start odometer when there is none), and the modified flag is cleared. On an
// unknown or short header the result carries "Incompatible file format"; a refused file
// (that, or a line TripLineParser::refusal names) leaves the document untouched. `layout`, when
// given, receives the header value of a file that was read.
Result ReadRecordBytes(CIftaDoc &doc, const std::string &bytes, const std::string &path,
                       uint32_t *layout = nullptr);

// Reads a record file into the document (ReadRecordBytes). A file that cannot be opened
// leaves the document untouched and fails with a message naming it.
Result ReadRecordFile(CIftaDoc &doc, const std::string &path, uint32_t *layout = nullptr);

// ReadRecordFile for a reader that needs each trip line once (tollmark-cli's report): the
// lines are handed to `take` a block at a time, each time with the header they follow,
// and not kept, so the document gets the header and no lines. A file refused after
// lines were handed fails as ReadRecordFile's does: what `take` made of them is to be
// dropped. A null `take` keeps the lines, as ReadRecordFile does.
using TripLineBlock =
    std::function<void(const RecordHeader &header, const std::vector<TripEntry> &lines)>;
Result ReadRecordFileInBlocks(CIftaDoc &doc, const std::string &path, const TripLineBlock &take,
                              uint32_t *layout = nullptr);

// The whole file image of the document: the current header and one line per trip line.
std::string BuildRecordBytes(const CIftaDoc &doc);

// Writes the document as a record file (header and lines), through a temporary file
// renamed into place, so a failed write leaves the previous file untouched. On success the
// document is marked saved. Does not show the company dialog: the session does that first
// when the company name is empty or a merge asks for it.
Result WriteRecordFile(CIftaDoc &doc, const std::string &path);
