#include "profiles/cfixedlenrecdoc.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
                                 const std::array<uint8_t, kExtraHeaderSize> &extraHeader)
    : recordLength_(recordLength)
    , extraHeaderLength_(extraHeaderLength)
    , extraHeader_(extraHeader)
    , defaultRecordLength_(recordLength)
    , defaultExtraHeaderLength_(extraHeaderLength)
    , defaultExtraHeader_(extraHeader)
{
}

CFixedLenRecDoc::~CFixedLenRecDoc()
{
    closeFile();
}

void CFixedLenRecDoc::closeFile()
{
    if (fd_ >= 0) {
        ::close(fd_); // also releases the lock
        fd_ = -1;
    }
}

void CFixedLenRecDoc::resetLayout()
{
    recordCount_ = 0;
    recordLength_ = defaultRecordLength_;
    extraHeaderLength_ = defaultExtraHeaderLength_;
    extraHeader_ = defaultExtraHeader_;
}

bool CFixedLenRecDoc::lockAndAdopt(int fd, const std::string &path)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        setError("The file " + path + " is in use by another program.");
        return false;
    }
    fd_ = fd;
    return true;
}

bool CFixedLenRecDoc::OnOpenDocument(const std::string &path)
{
    closeFile();
    lastError_.clear();
    resetLayout();

    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        // Only a file that is not there is made anew; one that exists but cannot be
        // opened (no access, a folder ...) is never replaced.
        if (errno == ENOENT)
            return CreateFile(path);
        setError("The file " + path + " cannot be opened: " + std::strerror(errno) + ".");
        return false;
    }
    if (!lockAndAdopt(fd, path))
        return false;

    struct stat info = {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        closeFile();
        setError("The file " + path + " cannot be opened.");
        return false;
    }
    if (info.st_size == 0) {
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
        setError("The file " + path + " is not a file of this program.");
    return false;
}

bool CFixedLenRecDoc::OnSaveDocument(const std::string &)
{
    return false;
}

bool CFixedLenRecDoc::CreateFile(const std::string &path)
{
    closeFile();
    lastError_.clear();
    resetLayout();

    // No O_TRUNC: a file that appeared meanwhile, or that the caller names by mistake,
    // keeps its content.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        setError("The file " + path + " cannot be created: " + std::strerror(errno) + ".");
        return false;
    }
    if (!lockAndAdopt(fd, path))
        return false;
    struct stat info = {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size != 0) {
        closeFile();
        setError("The file " + path + " already exists and is not replaced.");
        return false;
    }
    if (WriteHeader())
        return true;
    closeFile();
    return false;
}

bool CFixedLenRecDoc::writeAt(uint64_t offset, const uint8_t *data, size_t size)
{
    if (fd_ < 0) {
        setError("The file is not open.");
        return false;
    }
    if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) {
        setError(std::string("The file cannot be written: ") + std::strerror(errno) + ".");
        return false;
    }
    while (size > 0) {
        ssize_t done = ::write(fd_, data, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            setError(std::string("The file cannot be written: ") + std::strerror(errno) + ".");
            return false;
        }
        data += done;
        size -= static_cast<size_t>(done);
    }
    return true;
}

long long CFixedLenRecDoc::readAt(uint64_t offset, uint8_t *data, size_t size)
{
    if (fd_ < 0 || ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0)
        return -1;
    size_t total = 0;
    while (total < size) {
        ssize_t got = ::read(fd_, data + total, size - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += static_cast<size_t>(got);
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
    struct stat info = {};
    if (::fstat(fd_, &info) != 0)
        return false;
    const uint64_t size = static_cast<uint64_t>(info.st_size);
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
    if (fd_ < 0 || n < 0)
        return false;
    return ::lseek(fd_, static_cast<off_t>(recordOffset(static_cast<uint32_t>(n))), SEEK_SET) >= 0;
}

int CFixedLenRecDoc::AddRecord(void *source)
{
    if (fd_ < 0) {
        setError("The file is not open.");
        return -1;
    }
    const uint32_t n = recordCount_;
    recordCount_ = n + 1;
    if (!WriteHeader() || !SeekRecord(static_cast<int>(n))) {
        recordCount_ = n;
        return -1;
    }
    const uint8_t *record = OnCreateNewRecord(static_cast<int>(n), source);
    if (!writeAt(recordOffset(n), record, recordLength_)) {
        // Take the count back so the header never counts a record that is not there.
        recordCount_ = n;
        WriteHeader();
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
    if (fd_ >= 0)
        WriteHeader();
    closeFile();
}
