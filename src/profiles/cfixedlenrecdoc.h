#pragma once

#include "platform/platformfile.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// A file of fixed-length records that stays open for the whole run and is read and written
// one record at a time, never loaded or saved as a whole.
//
// Layout (little-endian): recordCount, recordLength, extraHeaderLength (32-bit each), then
// extraHeaderLength bytes of class-specific header, then the records; record n starts at
// 12 + extraHeaderLength + n * recordLength.
//
// Exclusive access: the file is held with a lock on the whole file (PlatformFile's
// lockExclusive: an advisory flock on POSIX, LockFileEx on Windows). Every instance of
// this program takes the same lock, so a second store (in this or another process) cannot
// open a file that one store holds; it waits for it up to the lock wait it was made with
// (kLockWait, 5 seconds, unless told). The lock goes when the file is closed.
//
// A file that exists is never emptied: when it is locked, unreadable or its header is bad,
// opening fails and the file is left exactly as it was. Only a missing or zero-length file
// is initialised with a fresh header.
class CFixedLenRecDoc
{
public:
    static constexpr uint32_t kFixedHeaderLength = 12;
    static constexpr uint32_t kExtraHeaderSize = 12;
    // How long an open waits for another instance to let go of the file: long enough for
    // another instance's add or delete.
    static constexpr std::chrono::milliseconds kLockWait{5000};

    CFixedLenRecDoc(uint32_t recordLength, uint32_t extraHeaderLength,
                    const std::array<uint8_t, kExtraHeaderSize> &extraHeader,
                    std::chrono::milliseconds lockWait = kLockWait);
    virtual ~CFixedLenRecDoc();

    CFixedLenRecDoc(const CFixedLenRecDoc &) = delete;
    CFixedLenRecDoc &operator=(const CFixedLenRecDoc &) = delete;

    // Opens the store's file for reading and writing, closing any file held before. A missing
    // file is created (CreateStoreFile) and a zero-length one gets a header; an existing file must
    // be lockable and carry a readable header. False leaves no file open.
    virtual bool OnOpenDocument(const std::string &path);
    // The store is never saved as a whole: always false.
    virtual bool OnSaveDocument(const std::string &path);
    // Counts no records any more (the header is written with 0) and closes the file. The
    // record bytes after the header stay in the file.
    virtual void DeleteContents();

    // Appends a record built by OnCreateNewRecord: the record is written first, then the
    // header that counts it. Returns the new record's index, or -1 when nothing could be
    // written; the file is then as it was.
    virtual int AddRecord(void *source);
    // Reads or overwrites record n (recordLength bytes of buffer).
    virtual bool GetRecord(int n, uint8_t *buffer);
    virtual bool UpdateRecord(int n, uint8_t *buffer);
    // Makes a new store file with an empty header at path. A file that already exists with
    // content is refused and left untouched; a zero-length one is initialised. (Not
    // called CreateFile: <windows.h> makes that name a macro.)
    virtual bool CreateStoreFile(const std::string &path);
    // Puts the file position at record n.
    virtual bool SeekRecord(int n);

    bool isOpen() const { return file_.isOpen(); }
    uint32_t recordCount() const { return recordCount_; }
    uint32_t recordLength() const { return recordLength_; }
    uint32_t extraHeaderLength() const { return extraHeaderLength_; }
    const std::array<uint8_t, kExtraHeaderSize> &extraHeader() const { return extraHeader_; }
    // Why the last open or write failed, in words for the user; empty after success.
    const std::string &lastError() const { return lastError_; }

protected:
    // Fills the derived class's record buffer for new record `index` from `source` and
    // returns it (recordLength bytes).
    virtual const uint8_t *OnCreateNewRecord(int index, void *source) = 0;
    virtual bool ReadExtraHeader();
    virtual bool WriteExtraHeader();
    virtual bool WriteHeader();
    // Reads the header; its values replace the store's own. A record count larger than the
    // file holds is cut to the records present.
    virtual bool ReadHeader();

    // Closes the file without touching it.
    void closeFile();
    // Replaces the whole file at `path` (the one held) by `bytes`: written beside it and
    // renamed over it, without letting go of the lock. The store then holds the new file;
    // on failure the old one stays, whole and held.
    bool ReplaceFile(const std::string &path, const std::string &bytes);
    // The layout values back to those the store was made with.
    void resetLayout();
    void setError(const std::string &text) { lastError_ = text; }

    uint32_t recordCount_ = 0;
    uint32_t recordLength_;
    uint32_t extraHeaderLength_;
    std::array<uint8_t, kExtraHeaderSize> extraHeader_;

private:
    // Locks the file just opened (`how`), waiting for another holder up to the lock wait;
    // on failure closes it and says why.
    bool lockOpened(const std::string &path, PlatformFile::Open how);
    bool writeAt(uint64_t offset, const uint8_t *data, size_t size);
    // Bytes read at offset (fewer at the end of the file), or -1 on a read error.
    long long readAt(uint64_t offset, uint8_t *data, size_t size);
    uint64_t recordOffset(uint32_t n) const;

    PlatformFile file_;
    const uint32_t defaultRecordLength_;
    const uint32_t defaultExtraHeaderLength_;
    const std::array<uint8_t, kExtraHeaderSize> defaultExtraHeader_;
    std::string lastError_;
    const std::chrono::milliseconds lockWait_;
};

// Little-endian helpers shared by the record layouts.
void PutUint32(uint8_t *at, uint32_t value);
uint32_t GetUint32(const uint8_t *at);
void PutUint16(uint8_t *at, uint16_t value);
uint16_t GetUint16(const uint8_t *at);
