#include "profiles/cfixedlenrecdoc.h"

#include <cerrno>
#include <cstring>

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
    file_.close(); // also releases the lock
}

void CFixedLenRecDoc::resetLayout()
{
    recordCount_ = 0;
    recordLength_ = defaultRecordLength_;
    extraHeaderLength_ = defaultExtraHeaderLength_;
    extraHeader_ = defaultExtraHeader_;
}

bool CFixedLenRecDoc::lockOpened(const std::string &path)
{
    if (file_.lockExclusive() != 0) {
        file_.close();
        setError("The file " + path + " is in use by another program.");
        return false;
    }
    return true;
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
        setError("The file " + path + " cannot be opened: " + std::strerror(error) + ".");
        return false;
    }
    if (!lockOpened(path))
        return false;

    PlatformFile::Info info;
    if (file_.info(info) != 0 || !info.regular) {
        closeFile();
        setError("The file " + path + " cannot be opened.");
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
        setError("The file " + path + " is not a file of this program.");
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
    // keeps its content.
    if (const int error = file_.open(path, PlatformFile::Open::ReadWriteMake)) {
        setError("The file " + path + " cannot be created: " + std::strerror(error) + ".");
        return false;
    }
    if (!lockOpened(path))
        return false;
    PlatformFile::Info info;
    if (file_.info(info) != 0 || !info.regular || info.size != 0) {
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
    if (!file_.isOpen()) {
        setError("The file is not open.");
        return false;
    }
    int error = file_.seek(offset);
    if (!error)
        error = file_.writeAll(data, size);
    if (error) {
        setError(std::string("The file cannot be written: ") + std::strerror(error) + ".");
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
    if (file_.isOpen())
        WriteHeader();
    closeFile();
}
