#pragma once

#include "platform/result.h"

#include <string>

class CIftaDoc;

// Merging one truck's record file into the fleet's: with "Use file names as unit
// numbers" the file's lines that carry no unit number take the file's base name as their
// unit ("T-104.irc" gives "T-104"), so the merged record still tells the trucks apart.

// The unit number a record file's name gives: its base name without the extension, in
// Windows-1252, as a unit number (CleanUnitNumber). Empty for a name without one.
std::string UnitFromFileName(const std::string &path);

// Merges the record file at `path` into `doc` (MergeFile), with the file's name as the
// unit of its lines without one when `unitsFromNames` is set.
Result MergeRecordFile(CIftaDoc &doc, const std::string &path, bool unitsFromNames);
