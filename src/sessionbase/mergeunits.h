#pragma once

#include "platform/result.h"

#include <string>
#include <vector>

class CIftaDoc;
struct MergeDialogData;
struct TaxPeriod;

// Merging one truck's record file into the fleet's: with "Use file names as unit
// numbers" the file's lines that carry no unit number take the file's base name as their
// unit ("T-104.irc" gives "T-104"), so the merged record still tells the trucks apart.

// The unit number a record file's name gives: its base name without the extension, in
// Windows-1252, as a unit number (CleanUnitNumber). Empty for a name without one.
std::string UnitFromFileName(const std::string &path);

// Merges the record file at `path` into `doc` (MergeFile), with the file's name as the
// unit of its lines without one when `unitsFromNames` is set.
Result MergeRecordFile(CIftaDoc &doc, const std::string &path, bool unitsFromNames);

// What the merge dialog lists for a file it is given: the record period the file would
// bring, or why the merge would refuse it (the same reading as the merge, into a record
// of its own: no record is touched).
Result ProbeMergeFile(const std::string &path, TaxPeriod &period);

// The position in `paths` of a file that is the same file as `path` (SameFile: after
// links, by device and inode), or -1. A file merged twice would bring its trips twice.
int FindSameFile(const std::vector<std::string> &paths, const std::string &path);

// What merging a list of files gave: how many merged, and for each refused file its path
// and why ("PATH: message").
struct MergeOutcome {
    size_t merged = 0;
    std::vector<std::string> refusals;
};

// Merges the files of the merge dialog into `doc` in order, each with MergeRecordFile
// and the dialog's "Use file names as unit numbers" box; a refused file is noted and the
// merge goes on with the next one.
MergeOutcome MergeRecordFiles(CIftaDoc &doc, const MergeDialogData &data);
