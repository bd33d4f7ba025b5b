#pragma once

#include "numbers/uitext.h"
#include "platform/result.h"
#include "profiles/cfixedlenrecdoc.h"
#include "profiles/profilerecord.h"

#include <array>
#include <string>
#include <vector>

// The user-profiles file (*.usr): a fixed-length record store of 508-byte profile records
// with the extra header 61475, 0, 0, and the in-memory list of every profile in it. The
// list mirrors the file after every open, add and delete.
//
// Use: open(path) once (the file stays open and locked until close(), destruction or the
// next open), then profiles(), addProfile() and deleteProfile(). A file held by another
// instance, unreadable, or with a header of another layout is refused and never emptied.
// What a profiles file holds, read without taking it (ReadProfilesFile).
struct ProfilesSnapshot {
    uint32_t recordCount = 0;
    uint32_t recordLength = 0;
    uint32_t extraHeaderLength = 0;
    std::array<uint8_t, CFixedLenRecDoc::kExtraHeaderSize> extraHeader{};
    std::vector<ProfileRecord> profiles;
};

class CProfileStore : public CFixedLenRecDoc
{
public:
    static constexpr uint32_t kRecordLength = 508;
    static constexpr uint32_t kExtraHeaderLength = 12;
    static constexpr uint32_t kSignature = 61475;
    static constexpr const char *kFilter =
        UI_TEXT_NOOP("FileFilters", "User profiles file (*.usr)|*.usr||");

    // `lockWait`: how long open() waits for another instance holding the file.
    explicit CProfileStore(std::chrono::milliseconds lockWait = kLockWait);

    // Opens (or creates) the file and loads every profile. On failure no file is held, the
    // list is empty and the message says why.
    Result open(const std::string &path);
    // Reads the profiles file at `path` as open() would list it, without opening it for
    // writing or locking it: a look at the file (tollmark-cli dump-profiles) needs no write
    // access and works while a window holds the store. A zero-length file holds nothing.
    static Result ReadProfilesFile(const std::string &path, ProfilesSnapshot &out);
    // Closes the file; the list is emptied and the path forgotten.
    void close();
    const std::string &path() const { return path_; }
    const std::vector<ProfileRecord> &profiles() const { return profiles_; }

    // "Add Profile": appends to the list and to the file. When the file was closed (after
    // the last profile had been deleted) it is opened again first. The stored profile gets
    // its record index.
    Result addProfile(ProfileRecord profile);
    // "Delete": removes the profile at list position `index` and rewrites the file from the
    // list, renumbering the records.
    Result deleteProfile(size_t index);
    // Puts `profile` in the place of the one at list position `index` (it keeps that
    // record's index) and rewrites the file; the list is as it was on failure.
    Result replaceProfile(size_t index, ProfileRecord profile);

    bool OnOpenDocument(const std::string &path) override;
    // Reads every record of the file into the list, emptied first.
    bool LoadList();
    // Writes the list back as the file's records 0, 1, 2 ... in list order: a new file
    // written beside the old one and renamed over it, under the lock, so that no other
    // instance can take the file between the steps and a kill leaves one whole store.
    // When the list is empty the header counts 0 records and the file is closed.
    bool RewriteFromList();

    // Also opens the file again when it was closed by DeleteContents.
    int AddRecord(void *source) override;
    bool GetRecord(int n, uint8_t *buffer) override;
    bool UpdateRecord(int n, uint8_t *buffer) override;

    // The 508-byte record of a profile: offset 0 always 61475, offset 264 always 0; texts
    // cut to their width less one byte and zero-terminated.
    static std::array<uint8_t, kRecordLength> ToFileRecord(const ProfileRecord &profile);
    // A profile from a 508-byte record; the notes are not taken.
    static ProfileRecord FromFileRecord(const uint8_t *record);

    // Index of the record that OnCreateNewRecord built last.
    int lastRecordIndex() const { return lastRecordIndex_; }

protected:
    // The file record of list profile `index`, which gets that record index.
    std::array<uint8_t, kRecordLength> OnRecordFor(int index);
    const uint8_t *OnCreateNewRecord(int index, void *source) override;
    bool ReadHeader() override;

private:
    std::string path_;
    std::array<uint8_t, kRecordLength> recordBuffer_{};
    int lastRecordIndex_ = -1;
    std::vector<ProfileRecord> profiles_;
};
