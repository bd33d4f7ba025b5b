#pragma once

#include "platform/result.h"
#include "records/ciftadoc.h"

#include <string>

// Merging record files: carriers who keep one record file per truck or driver build one
// return from several. The caller starts from an empty, unnamed document (the session
// builds a merge in a document of its own) and merges the files one by one, in the order
// the user lists them.

// Appends the trip lines of the record file at `path` after those already in the
// document, numbered on from `mergeCounter` (their stored trip numbers are dropped), and
// makes the file's header the document's: company data, period dates, record period,
// start odometer and fuel type, so the last file merged decides them. Sets `sourcePath`
// to the file's full path and the modified flag. The odometer state is not recomputed
// from the lines.
//
// Only the current layout merges. A file in the older layout or with an unknown header
// fails with "Incompatible file format": the company data are cleared and the modified
// flag too, while the lines merged before stay. A file that cannot be read, or whose
// lines are refused (TripLineParser::refusal), fails with a message saying why and
// leaves the document as it was.
//
// With `unitForBareLines`, the file's lines that carry no unit number get that one (the
// lines that have one keep it).
Result MergeFile(CIftaDoc &doc, const std::string &path,
                 const std::string &unitForBareLines = std::string());
