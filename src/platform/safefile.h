#pragma once

#include "platform/result.h"

#include <cstdint>
#include <functional>
#include <string>

// Whole-file reading and crash-safe writing for the program's own files (record files,
// tax-rate files, PDF files, profiles written from a list).
//
// Writing goes to a temporary file in the same folder as the file written, is flushed to
// the disk and only then renamed over it, so a write that fails half-way (full disk, no
// permission, power loss) never leaves a truncated file behind: the previous file stays
// as it was. A path that is a symbolic link is saved through the link: the link stays and
// the file it points to is replaced, in that file's folder. The new file keeps the old
// one's permission bits and, where the process may give it away, its owner and group.
// Only a regular file (or a link to one) is ever replaced; a folder, a FIFO or a device
// is refused. A hard link is broken: the saved name gets the new file, other names of the
// old one keep the old content (writing in place would give up the atomic replace).
//
// Temporary files are named ".NAME.tollmark-XXXXXX.tmp" beside the file NAME; one left by
// a save that was killed is removed by the next save of the same file.
//
// Reading refuses what is not a regular file (a FIFO would block, a device never ends)
// and a file larger than the limit the caller names, before reading a byte of it.
class SafeFile
{
public:
    // Limits of whole-file reads: record files and imports, and the small tables (tax-rate
    // files, rate charts, interest-rate tables).
    static constexpr uint64_t kRecordFileLimit = uint64_t{1} << 30; // 1 GiB
    static constexpr uint64_t kTableFileLimit = uint64_t{16} << 20; // 16 MiB

    // Reads the whole file into `bytes`. Fails with a message naming the file when it
    // cannot be opened or read, is not a regular file or is larger than `limit` bytes.
    static Result readAll(const std::string &path, std::string &bytes, uint64_t limit);

    // Reads the file a block at a time, as readAll checks it, handing each block to
    // `sink` in order: a reader that takes the bytes apart as they come needs no room for
    // the whole file. `sizeKnown` is told the file's size before the first block. On
    // failure the sink may have had part of the file.
    class Sink
    {
    public:
        virtual ~Sink() = default;
        virtual void sizeKnown(uint64_t) {}
        virtual void take(const char *data, size_t size) = 0;
    };
    static Result readInBlocks(const std::string &path, Sink &sink, uint64_t limit);

    // Replaces the file at `path` by `bytes` atomically. An existing file keeps its
    // permission bits; one the user may not write is refused. On failure nothing at `path` has
    // changed, no temporary file is left behind and the message names the file and the reason.
    static Result writeAll(const std::string &path, const std::string &bytes);

    // writeAll for a writer that makes the content a block at a time: `produce` hands
    // each block to the sink in order, and the whole file never needs to be in memory.
    // After a failed write the sink takes no more; the save then fails as writeAll's does.
    class BlockSink
    {
    public:
        virtual ~BlockSink() = default;
        virtual void write(const char *data, size_t size) = 0;
    };
    static Result writeInBlocks(const std::string &path,
                                const std::function<void(BlockSink &)> &produce);

    // A save in steps, for a writer that writes the file by itself (the PDF printer):
    // beginSave makes the empty temporary file, the writer fills `temp`, commitSave puts it
    // in place; abandonSave (after a failed write) removes it and leaves the old file.
    struct Staged {
        std::string path;   // as the caller named it, for messages
        std::string target; // the file replaced: `path` with its links followed
        std::string temp;   // the temporary file beside the target
        bool existed = false;
        unsigned mode = 0;
        unsigned owner = 0;
        unsigned group = 0;
    };
    static Result beginSave(const std::string &path, Staged &staged);
    static Result commitSave(Staged &staged);
    static void abandonSave(Staged &staged);

    // The message texts of a failed open and a failed save, for callers that check
    // a path before reading.
    static std::string openFailureText(const std::string &path, int error);
    static std::string saveFailureText(const std::string &path, int error);
    static std::string notRegularText(const std::string &path);

    // Whether `name` is the name of one of this program's temporary files for `target`.
    static bool isTemporaryOf(const std::string &name, const std::string &target);

    // Test seam: called with the temporary file's path once it holds all the new bytes
    // and is closed, just before it is renamed over the target. Fault tests stop the
    // program there to show that an interrupted save leaves the old file whole. Null
    // (the default) calls nothing.
    using BeforeRenameHook = void (*)(const std::string &tempPath, const std::string &path);
    static void setBeforeRenameHook(BeforeRenameHook hook);
};
