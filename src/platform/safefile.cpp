#include "platform/safefile.h"

#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "platform/platformfile.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <random>

namespace {

constexpr const char *kTempMark = ".tollmark-";
constexpr const char *kTempEnd = ".tmp";
constexpr size_t kTempLetters = 6;
constexpr int kMostLinks = 40; // as the system's own limit on a chain of links

// Messages are Windows-1252 like every other text of the program; paths are UTF-8.
std::string quoted(const std::string &path)
{
    return "\"" + Utf8ToCp1252(path) + "\"";
}

// `pattern` translated, with the quoted path for %1 and the system's reason for %2.
std::string describe(const char *pattern, const std::string &path, int error)
{
    return UiArgs(UiText("SafeFile", pattern), {quoted(path), std::strerror(error)});
}

// The folder that holds `path` ("." for a bare name), split by the system's own rules so
// that "C:\data\q2.irc" is in "C:\data" on Windows.
std::string folderOf(const std::string &path)
{
    const std::filesystem::path folder = PathFromUtf8(path).parent_path();
    return folder.empty() ? std::string(".") : Utf8FromPath(folder);
}

std::string nameOf(const std::string &path)
{
    return Utf8FromPath(PathFromUtf8(path).filename());
}

// The file a save of `path` replaces: the path itself, or the end of its chain of links
// (a link's relative text is taken from the link's own folder). `status` is what is there
// (Missing for a new file, also behind a dangling link).
int followLinks(const std::string &path, std::string &target, PathStatus &status)
{
    target = path;
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        if (const int error = StatusOfPath(target, false, status))
            return error;
        if (status.kind != PathStatus::Kind::Link)
            return 0;
        std::string link;
        if (const int error = ReadLinkAt(target, link))
            return error;
        std::filesystem::path next = PathFromUtf8(link);
        if (next.is_relative())
            next = PathFromUtf8(target).parent_path() / next;
        target = Utf8FromPath(next);
    }
    return ELOOP;
}

// How long a temporary goes unchanged before it counts as left behind. A save writes its
// temporary from start to rename without a pause this long.
constexpr std::chrono::seconds kStaleAfter{60};

// Removes what earlier saves of `target` left behind when they were killed: temporaries
// unchanged for a minute. A younger one may be another save's, writing now (two programs
// saving the same file at once): removing it would make that save fail.
void removeStaleTemporaries(const std::string &target)
{
    const std::filesystem::path folder = PathFromUtf8(folderOf(target));
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const std::string &name : FolderEntryNames(Utf8FromPath(folder))) {
        if (!SafeFile::isTemporaryOf(name, target))
            continue;
        const std::filesystem::path temp = folder / PathFromUtf8(name);
        std::error_code error;
        const auto written = std::filesystem::last_write_time(temp, error);
        if (!error && now - written > kStaleAfter)
            RemoveFileAt(Utf8FromPath(temp));
    }
}

// A new file beside `target`, ".NAME.tollmark-XXXXXX.tmp", made here and now so that no
// other file of that name is ever written over.
int openTemporaryBeside(const std::string &target, PlatformFile &file, std::string &temp)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const std::filesystem::path folder = PathFromUtf8(folderOf(target));
    const std::string name = nameOf(target);
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        std::string letters(kTempLetters, ' ');
        for (char &c : letters)
            c = kLetters[pick(random)];
        temp = Utf8FromPath(folder / PathFromUtf8("." + name + kTempMark + letters + kTempEnd));
        error = file.open(temp, PlatformFile::Open::ReadWriteFresh);
    }
    return error;
}

SafeFile::BeforeRenameHook beforeRenameHook = nullptr;

} // namespace

void SafeFile::setBeforeRenameHook(BeforeRenameHook hook)
{
    beforeRenameHook = hook;
}

std::string SafeFile::openFailureText(const std::string &path, int error)
{
    return describe(UI_TEXT_NOOP("SafeFile", "Cannot open the file %1: %2."), path, error);
}

std::string SafeFile::saveFailureText(const std::string &path, int error)
{
    return describe(UI_TEXT_NOOP("SafeFile", "Cannot save the file %1: %2."), path, error);
}

std::string SafeFile::notRegularText(const std::string &path)
{
    return UiArgs(UiText("SafeFile", "The file %1 is not a regular file."), {quoted(path)});
}

bool SafeFile::isTemporaryOf(const std::string &name, const std::string &target)
{
    const std::string head = "." + nameOf(target) + kTempMark;
    const size_t end = std::strlen(kTempEnd);
    return name.size() == head.size() + kTempLetters + end &&
           name.compare(0, head.size(), head) == 0 &&
           name.compare(name.size() - end, end, kTempEnd) == 0;
}

Result SafeFile::readInBlocks(const std::string &path, Sink &sink, uint64_t limit)
{
    PlatformFile file;
    if (const int error = file.open(path, PlatformFile::Open::Read))
        return Result::cannotOpen(openFailureText(path, error));
    PlatformFile::Info info;
    if (const int error = file.info(info))
        return Result::cannotOpen(openFailureText(path, error));
    if (info.folder)
        return Result::cannotOpen(openFailureText(path, EISDIR));
    if (!info.regular)
        return Result::cannotOpen(notRegularText(path));
    const std::string tooLarge =
        UiArgs(UiText("SafeFile", "The file %1 is too large (over %2 MiB)."),
               {quoted(path), std::to_string(limit >> 20)});
    if (info.size > limit)
        return Result::cannotOpen(tooLarge);
    sink.sizeKnown(info.size);
    // Blocks of 256 KiB: few calls into the system, each block still in the cache when
    // the sink reads it, and little memory beside what the sink keeps.
    constexpr size_t kBlock = size_t{256} << 10;
    const std::unique_ptr<char[]> buffer(new char[kBlock]);
    uint64_t total = 0;
    for (;;) {
        size_t got = 0;
        if (const int error = file.read(buffer.get(), kBlock, got))
            return Result::cannotOpen(openFailureText(path, error));
        if (got == 0)
            break;
        // The file may grow while it is read.
        total += got;
        if (total > limit)
            return Result::cannotOpen(tooLarge);
        sink.take(buffer.get(), got);
    }
    return Result::success();
}

namespace {

class WholeFile : public SafeFile::Sink
{
public:
    explicit WholeFile(std::string &bytes) : bytes_(bytes) {}
    void sizeKnown(uint64_t size) override { bytes_.reserve(static_cast<size_t>(size)); }
    void take(const char *data, size_t size) override { bytes_.append(data, size); }

private:
    std::string &bytes_;
};

} // namespace

Result SafeFile::readAll(const std::string &path, std::string &bytes, uint64_t limit)
{
    bytes.clear();
    WholeFile whole(bytes);
    const Result read = readInBlocks(path, whole, limit);
    if (!read)
        bytes.clear();
    return read;
}

Result SafeFile::beginSave(const std::string &path, Staged &staged)
{
    staged = Staged{};
    staged.path = path;
    PathStatus status;
    if (const int error = followLinks(path, staged.target, status))
        return Result::failure(saveFailureText(path, error));
    if (status.kind != PathStatus::Kind::Missing && status.kind != PathStatus::Kind::Regular)
        return Result::failure(notRegularText(path));
    staged.existed = status.kind == PathStatus::Kind::Regular;
    staged.mode = staged.existed ? status.mode : NewFilePermissionBits();
    staged.owner = status.owner;
    staged.group = status.group;

    // A file the user may not write stays as it is, as it would when written in place;
    // renaming over it would replace it all the same.
    if (const int denied = WriteAccessError(staged.target); denied && denied != ENOENT)
        return Result::failure(saveFailureText(path, denied));

    removeStaleTemporaries(staged.target);
    PlatformFile file;
    if (const int error = openTemporaryBeside(staged.target, file, staged.temp)) {
        staged.temp.clear();
        return Result::failure(saveFailureText(path, error));
    }
    if (const int error = file.close()) {
        abandonSave(staged);
        return Result::failure(saveFailureText(path, error));
    }
    return Result::success();
}

Result SafeFile::commitSave(Staged &staged)
{
    PlatformFile file;
    int error = file.open(staged.temp, PlatformFile::Open::ReadWrite);
    if (!error) {
        // The owner first: giving a file away clears its set-id bits.
        if (staged.existed)
            file.setOwner(staged.owner, staged.group);
        error = file.setMode(staged.mode);
    }
    if (!error)
        error = file.flush();
    if (const int closed = file.close(); closed && !error)
        error = closed;
    if (!error && beforeRenameHook)
        beforeRenameHook(staged.temp, staged.path);
    if (!error)
        error = ReplaceByRename(staged.temp, staged.target);
    if (error) {
        abandonSave(staged);
        return Result::failure(saveFailureText(staged.path, error));
    }
    staged.temp.clear();
    // Make the rename itself durable; a failure here does not undo the save.
    FlushFolder(folderOf(staged.target));
    return Result::success();
}

void SafeFile::abandonSave(Staged &staged)
{
    if (!staged.temp.empty())
        RemoveFileAt(staged.temp);
    staged.temp.clear();
}

namespace {

// The temporary file of a save; its first failure is kept and ends the writing.
class TemporaryFile : public SafeFile::BlockSink
{
public:
    explicit TemporaryFile(const std::string &path)
    {
        error_ = file_.open(path, PlatformFile::Open::ReadWrite);
    }
    void write(const char *data, size_t size) override
    {
        if (!error_)
            error_ = file_.writeAll(data, size);
    }
    int close()
    {
        const int closed = file_.close();
        return error_ ? error_ : closed;
    }

private:
    PlatformFile file_;
    int error_ = 0;
};

} // namespace

Result SafeFile::writeAll(const std::string &path, const std::string &bytes)
{
    return writeInBlocks(path,
                         [&bytes](BlockSink &sink) { sink.write(bytes.data(), bytes.size()); });
}

Result SafeFile::writeInBlocks(const std::string &path,
                               const std::function<void(BlockSink &)> &produce)
{
    Staged staged;
    if (Result begun = beginSave(path, staged); !begun)
        return begun;
    TemporaryFile file(staged.temp);
    produce(file);
    const int error = file.close();
    if (error) {
        abandonSave(staged);
        return Result::failure(saveFailureText(path, error));
    }
    return commitSave(staged);
}
