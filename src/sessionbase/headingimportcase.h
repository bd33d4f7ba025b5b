#pragma once

#include "imports/exportdate.h"
#include "imports/headingimport.h"
#include "numbers/uitext.h"

#include <cstdint>
#include <string>
#include <string_view>

class CIftaDoc;
class SessionPrompts;

// What to do with the lines of a file that do not read.
enum class BadLines {
    Ask,    // tell them and ask whether to keep the good lines (the window)
    Keep,   // tell them and keep the good lines (tollmark-cli --skip-bad-lines)
    Refuse, // tell them and import nothing (tollmark-cli without it)
};

// One import by heading, as the window's dialog or tollmark-cli states it.
struct HeadingImportRequest {
    std::string path;
    std::string mapping;                      // over the detected columns (ApplyMappingText)
    DateOrder dateOrder = DateOrder::Unknown; // Unknown: asked when the dates leave it open
    uint32_t options = 0;                     // the ImportOptions whose units hold for columns
                                              // whose names give none
    BadLines badLines = BadLines::Ask;
    bool append = false; // after the record's lines, instead of in their place
};

// The import by heading of `request.path` into `doc`: the file is read by its column
// names; when its dates leave MM/DD and DD/MM open and the request names no order, the
// user is asked ("Yes" month first, "No" day first, "Cancel" stops); refused lines are
// told with their numbers and reasons and then kept or not as `badLines` says; the lines
// take the place of the record's (or follow them), each followed by its surcharge line
// where the table has one, all numbered from 1; lines left out for their product are
// told. True when lines were imported; on false the record is as it was and the failure
// was told (`import` holds what was read).
bool ImportFileByHeading(CIftaDoc &doc, SessionPrompts &prompts,
                         const HeadingImportRequest &request, HeadingImport &import);

// Reads `text` (Windows-1252) by its heading with `settings` (the carrier's country is
// the document's), asking for the date order as the import of a file does, `name`
// standing for the file's path in the question. False after the failure was told, or when
// the user cancelled.
bool ReadTextByHeading(const CIftaDoc &doc, SessionPrompts &prompts, std::string_view text,
                       const std::string &name, HeadingImportSettings settings,
                       HeadingImport &import);

// The question when a file's dates can be read both ways; %1 is the file's path.
constexpr const char *kDateOrderQuestion = UI_TEXT_NOOP(
    "Messages",
    "The dates of %1 can be read month first (MM/DD/YYYY) or day first (DD/MM/YYYY): no day "
    "in the file is above 12.\n\nAre they month first?\nYes: MM/DD/YYYY\nNo: DD/MM/YYYY");
