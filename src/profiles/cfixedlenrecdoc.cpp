#include "profiles/cfixedlenrecdoc.h"

#include "numbers/uitext.h"
#include "platform/safefile.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

void PutUint32(uint8_t *at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetUint32(const uint8_t *at)
{
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
           static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

void PutUint16(uint8_t *at, uint16_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

uint16_t GetUint16(const uint8_t *at)
{
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

CFixedLenRecDoc::CFixedLenRecDoc(uint32_t recordLength, uint32_t extraHeaderLength,
                                 const std::array<uint8_t, kExtraHeaderSize> &extraHeader,
                                 std::chrono::milliseconds lockWait)
    : recordLength_(recordLength)
    , extraHeaderLength_(extraHeaderLength)
    , extraHeader_(extraHeader)
    , defaultRecordLength_(recordLength)
    , defaultExtraHeaderLength_(extraHeaderLength)
    , defaultExtraHeader_(extraHeader)
    , lockWait_(lockWait)
{
}

CFixedLenRecDoc::~CFixedLenRecDoc()
{
    closeFile();
}

void CFixedLenRecDoc::closeFile()
{
    file_.close(); // also releases the lock
}

void CFixedLenRecDoc::resetLayout()
{
    recordCount_ = 0;
    recordLength_ = defaultRecordLength_;
    extraHeaderLength_ = defaultExtraHeaderLength_;
    extraHeader_ = defaultExtraHeader_;
}

bool CFixedLenRecDoc::lockOpened(const std::string &path, PlatformFile::Open how)
{
    // Another instance may hold the file for a moment (its own add or delete): wait for
    // it a while. A lock won on a file that another instance has meanwhile replaced by a
    // new one (its delete) is a lock on the old file: take the file at the path again.
    const auto deadline = std::chrono::steady_clock::now() + lockWait_;
    for (;;) {
        const int error = file_.lockExclusive();
        if (error == 0 && file_.isAt(path))
            return true;
        const bool again = error == 0 || error == EWOULDBLOCK || error == EAGAIN;
        if (!again || std::chrono::steady_clock::now() >= deadline)
            break;
        if (error == 0 && file_.open(path, how) != 0)
            break;
        if (error != 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    file_.close();
    setError(
        UiArgs(UiText("CFixedLenRecDoc", "The file %1 is in use by another program."), {path}));
    return false;
}

bool CFixedLenRecDoc::OnOpenDocument(const std::string &path)
{
    closeFile();
    lastError_.clear();
    resetLayout();

    if (const int error = file_.open(path, PlatformFile::Open::ReadWrite)) {
        // Only a file that is not there is made anew; one that exists but cannot be
        // opened (no access, a folder ...) is never replaced.
        if (error == ENOENT)
            return CreateStoreFile(path);
        setError(UiArgs(UiText("CFixedLenRecDoc", "The file %1 cannot be opened: %2."),
                        {path, std::strerror(error)}));
        return false;
    }
    if (!lockOpened(path, PlatformFile::Open::ReadWrite))
        return false;

    PlatformFile::Info info;
    if (file_.info(info) != 0 || !info.regular) {
        closeFile();
        setError(UiArgs(UiText("CFixedLenRecDoc", "The file %1 cannot be opened."), {path}));
        return false;
    }
    if (info.size == 0) {
        if (WriteHeader())
            return true;
        closeFile();
        return false;
    }
    if (ReadHeader())
        return true;
    closeFile();
    resetLayout();
    if (lastError_.empty())
        setError(UiArgs(UiText("CFixedLenRecDoc", "The file %1 is not a file of this program."),
                        {path}));
    return false;
}

bool CFixedLenRecDoc::OnSaveDocument(const std::string &)
{
    return false;
}

bool CFixedLenRecDoc::CreateStoreFile(const std::string &path)
{
    closeFile();
    lastError_.clear();
    resetLayout();

    // No O_TRUNC: a file that appeared meanwhile, or that the caller names by mistake,
    // keeps its content. A file made here that cannot get its header (a full disk) is
    // removed again, so a failed create leaves nothing behind.
    bool made = true;
    int error = file_.open(path, PlatformFile::Open::ReadWriteFresh);
    if (error == EEXIST) {
        made = false;
        error = file_.open(path, PlatformFile::Open::ReadWriteMake);
    }
    if (error) {
        setError(UiArgs(UiText("CFixedLenRecDoc", "The file %1 cannot be created: %2."),
                        {path, std::strerror(error)}));
        return false;
    }
    if (made)
        file_.setMode(NewFilePermissionBits());
    if (!lockOpened(path, PlatformFile::Open::ReadWriteMake))
        return false;
    PlatformFile::Info info;
    if (file_.info(info) != 0 || !info.regular || info.size != 0) {
        closeFile();
        setError(UiArgs(
            UiText("CFixedLenRecDoc", "The file %1 already exists and is not replaced."), {path}));
        return false;
    }
    if (WriteHeader() && file_.flush() == 0)
        return true;
    if (lastError_.empty())
        setError(UiArgs(UiText("CFixedLenRecDoc", "The file %1 cannot be written."), {path}));
    file_.resize(0);
    closeFile();
    if (made)
        RemoveFileAt(path);
    return false;
}

bool CFixedLenRecDoc::ReplaceFile(const std::string &path, const std::string &bytes)
{
    // The new file is made, filled and locked beside the old one while the old one is
    // still held, then renamed over it: another instance waiting for the lock gets the old
    // file's lock only after the rename, sees that the path names a new file, and takes
    // that one, which it can lock only once this store lets go of it.
    SafeFile::Staged staged;
    if (Result begun = SafeFile::beginSave(path, staged); !begun) {
        setError(begun.message);
        return false;
    }
    PlatformFile fresh;
    int error = fresh.open(staged.temp, PlatformFile::Open::ReadWrite);
    if (!error)
        error = fresh.lockExclusive();
    if (!error)
        error = fresh.writeAll(bytes.data(), bytes.size());
    if (!error)
        error = fresh.flush();
    if (error) {
        fresh.close();
        SafeFile::abandonSave(staged);
        setError(UiArgs(UiText("CFixedLenRecDoc", "The file cannot be written: %1."),
                        {std::strerror(error)}));
        return false;
    }
    const bool keepOpen = RenameKeepsOpenFiles();
    if (!keepOpen) {
        fresh.close();
        closeFile();
    }
    const Result committed = SafeFile::commitSave(staged);
    if (keepOpen && committed) {
        file_.swap(fresh); // the old file's lock goes with `fresh`
        return true;
    }
    if (!committed)
        setError(committed.message);
    if (!keepOpen) {
        // Take the file at the path again, the new one or (after a failure) the old one.
        if (file_.open(path, PlatformFile::Open::ReadWrite) != 0 ||
            !lockOpened(path, PlatformFile::Open::ReadWrite))
            return false;
    }
    return committed.ok();
}

bool CFixedLenRecDoc::writeAt(uint64_t offset, const uint8_t *data, size_t size)
{
    if (!file_.isOpen()) {
        setError(UiText("CFixedLenRecDoc", "The file is not open."));
        return false;
    }
    int error = file_.seek(offset);
    if (!error)
        error = file_.writeAll(data, size);
    if (error) {
        setError(UiArgs(UiText("CFixedLenRecDoc", "The file cannot be written: %1."),
                        {std::strerror(error)}));
        return false;
    }
    return true;
}

long long CFixedLenRecDoc::readAt(uint64_t offset, uint8_t *data, size_t size)
{
    if (!file_.isOpen() || file_.seek(offset) != 0)
        return -1;
    size_t total = 0;
    while (total < size) {
        size_t got = 0;
        if (file_.read(data + total, size - total, got) != 0)
            return -1;
        if (got == 0)
            break;
        total += got;
    }
    return static_cast<long long>(total);
}

bool CFixedLenRecDoc::WriteHeader()
{
    uint8_t header[kFixedHeaderLength];
    PutUint32(header, recordCount_);
    PutUint32(header + 4, recordLength_);
    PutUint32(header + 8, extraHeaderLength_);
    if (!writeAt(0, header, sizeof header))
        return false;
    return extraHeaderLength_ == 0 || WriteExtraHeader();
}

bool CFixedLenRecDoc::WriteExtraHeader()
{
    return writeAt(kFixedHeaderLength, extraHeader_.data(), extraHeader_.size());
}

bool CFixedLenRecDoc::ReadHeader()
{
    uint8_t header[kFixedHeaderLength];
    if (readAt(0, header, sizeof header) != static_cast<long long>(sizeof header))
        return false;
    recordCount_ = GetUint32(header);
    recordLength_ = GetUint32(header + 4);
    extraHeaderLength_ = GetUint32(header + 8);
    if (extraHeaderLength_ != 0 && !ReadExtraHeader())
        return false;

    // A header that counts more records than the file holds (a file cut short) counts only
    // the whole records present, so nothing is read or appended past the end.
    PlatformFile::Info info;
    if (file_.info(info) != 0)
        return false;
    const uint64_t size = info.size;
    const uint64_t start = kFixedHeaderLength + static_cast<uint64_t>(extraHeaderLength_);
    const uint64_t present =
        recordLength_ == 0 || size <= start ? 0 : (size - start) / recordLength_;
    if (recordCount_ > present)
        recordCount_ = static_cast<uint32_t>(present);
    return true;
}

bool CFixedLenRecDoc::ReadExtraHeader()
{
    extraHeader_.fill(0);
    long long got = readAt(kFixedHeaderLength, extraHeader_.data(), extraHeader_.size());
    return got >= 0 && static_cast<uint64_t>(got) >= extraHeaderLength_;
}

uint64_t CFixedLenRecDoc::recordOffset(uint32_t n) const
{
    return kFixedHeaderLength + static_cast<uint64_t>(extraHeaderLength_) +
           static_cast<uint64_t>(n) * recordLength_;
}

bool CFixedLenRecDoc::SeekRecord(int n)
{
    if (!file_.isOpen() || n < 0)
        return false;
    return file_.seek(recordOffset(static_cast<uint32_t>(n))) == 0;
}

int CFixedLenRecDoc::AddRecord(void *source)
{
    if (!file_.isOpen()) {
        setError(UiText("CFixedLenRecDoc", "The file is not open."));
        return -1;
    }
    PlatformFile::Info before;
    if (const int error = file_.info(before)) {
        setError(UiArgs(UiText("CFixedLenRecDoc", "The file cannot be written: %1."),
                        {std::strerror(error)}));
        return -1;
    }
    // The record first, then the header that counts it: a record that cannot be written
    // whole (a full disk) is cut off again and the header never changes, so the file
    // stays as it was.
    const uint32_t n = recordCount_;
    const uint8_t *record = OnCreateNewRecord(static_cast<int>(n), source);
    if (!writeAt(recordOffset(n), record, recordLength_) || file_.flush() != 0) {
        file_.resize(before.size);
        if (lastError_.empty())
            setError(UiText("CFixedLenRecDoc", "The file cannot be written."));
        return -1;
    }
    recordCount_ = n + 1;
    if (!WriteHeader()) {
        recordCount_ = n;
        WriteHeader();
        file_.resize(before.size);
        return -1;
    }
    return static_cast<int>(n);
}

bool CFixedLenRecDoc::GetRecord(int n, uint8_t *buffer)
{
    if (n < 0 || static_cast<uint32_t>(n) >= recordCount_ || !SeekRecord(n))
        return false;
    return readAt(recordOffset(static_cast<uint32_t>(n)), buffer, recordLength_) ==
           static_cast<long long>(recordLength_);
}

bool CFixedLenRecDoc::UpdateRecord(int n, uint8_t *buffer)
{
    if (n < 0 || static_cast<uint32_t>(n) >= recordCount_ || !SeekRecord(n))
        return false;
    return writeAt(recordOffset(static_cast<uint32_t>(n)), buffer, recordLength_);
}

void CFixedLenRecDoc::DeleteContents()
{
    recordCount_ = 0;
    if (file_.isOpen())
        WriteHeader();
    closeFile();
}
