#include "profiles/cprofilestore.h"

#include "numbers/uitext.h"
#include "platform/safefile.h"

#include <algorithm>
#include <cstring>

namespace {

// Widths and offsets of the profile record.
struct TextField {
    std::string ProfileRecord::*member;
    size_t offset;
    size_t width;
};

const TextField kTextFields[] = {
    {&ProfileRecord::companyName, 20, 48}, {&ProfileRecord::address, 68, 48},
    {&ProfileRecord::city, 116, 24},       {&ProfileRecord::provinceState, 140, 24},
    {&ProfileRecord::country, 164, 24},    {&ProfileRecord::postalCode, 188, 8},
    {&ProfileRecord::phone, 196, 20},      {&ProfileRecord::iftaNumber, 216, 24},
};
constexpr size_t kNotesOffset = 380;
constexpr size_t kNotesWidth = 128;
constexpr size_t kRecordIndexOffset = 256;

std::array<uint8_t, CFixedLenRecDoc::kExtraHeaderSize> ProfileExtraHeader()
{
    std::array<uint8_t, CFixedLenRecDoc::kExtraHeaderSize> header{};
    PutUint32(header.data(), CProfileStore::kSignature);
    return header;
}

void PutText(uint8_t *at, size_t width, const std::string &text)
{
    const size_t length = std::min(text.size(), width - 1);
    std::memcpy(at, text.data(), length);
    std::memset(at + length, 0, width - length);
}

std::string GetText(const uint8_t *at, size_t width)
{
    const void *end = std::memchr(at, 0, width);
    const size_t length = end ? static_cast<size_t>(static_cast<const uint8_t *>(end) - at) : width;
    return std::string(reinterpret_cast<const char *>(at), length);
}

void PutInt32(uint8_t *at, int32_t value)
{
    PutUint32(at, static_cast<uint32_t>(value));
}

int32_t GetInt32(const uint8_t *at)
{
    return static_cast<int32_t>(GetUint32(at));
}

void PutDate(uint8_t *at, const PeriodDate &date)
{
    PutUint16(at, date.year);
    PutUint16(at + 2, date.month);
    PutUint16(at + 4, date.day);
}

PeriodDate GetDate(const uint8_t *at)
{
    return PeriodDate{GetUint16(at), GetUint16(at + 2), GetUint16(at + 4)};
}

} // namespace

CProfileStore::CProfileStore(std::chrono::milliseconds lockWait)
    : CFixedLenRecDoc(kRecordLength, kExtraHeaderLength, ProfileExtraHeader(), lockWait)
{
    profiles_.reserve(10);
}

std::array<uint8_t, CProfileStore::kRecordLength>
CProfileStore::ToFileRecord(const ProfileRecord &profile)
{
    std::array<uint8_t, kRecordLength> record{};
    uint8_t *r = record.data();
    PutUint32(r, kSignature);
    PutDate(r + 8, profile.periodFrom);
    PutDate(r + 14, profile.periodTo);
    for (const TextField &field : kTextFields)
        PutText(r + field.offset, field.width, profile.*field.member);
    PutInt32(r + 240, profile.startOdometer);
    PutInt32(r + 244, profile.year);
    PutInt32(r + 248, profile.quarter);
    PutInt32(r + 252, profile.fuelType);
    PutInt32(r + kRecordIndexOffset, profile.recordIndex);
    PutInt32(r + 260, profile.useOdometer);
    PutUint32(r + 264, 0);
    PutText(r + kNotesOffset, kNotesWidth, profile.notes);
    return record;
}

ProfileRecord CProfileStore::FromFileRecord(const uint8_t *r)
{
    ProfileRecord profile;
    profile.signature = GetUint32(r);
    profile.periodFrom = GetDate(r + 8);
    profile.periodTo = GetDate(r + 14);
    for (const TextField &field : kTextFields)
        profile.*field.member = GetText(r + field.offset, field.width);
    profile.startOdometer = GetInt32(r + 240);
    profile.year = GetInt32(r + 244);
    profile.quarter = GetInt32(r + 248);
    profile.fuelType = GetInt32(r + 252);
    profile.recordIndex = GetInt32(r + kRecordIndexOffset);
    profile.useOdometer = GetInt32(r + 260);
    return profile;
}

std::array<uint8_t, CProfileStore::kRecordLength> CProfileStore::OnRecordFor(int index)
{
    profiles_[static_cast<size_t>(index)].recordIndex = index;
    lastRecordIndex_ = index;
    return ToFileRecord(profiles_[static_cast<size_t>(index)]);
}

const uint8_t *CProfileStore::OnCreateNewRecord(int index, void *source)
{
    auto *profile = static_cast<ProfileRecord *>(source);
    profile->recordIndex = index;
    recordBuffer_ = ToFileRecord(*profile);
    lastRecordIndex_ = index;
    return recordBuffer_.data();
}

bool CProfileStore::ReadHeader()
{
    if (!CFixedLenRecDoc::ReadHeader()) {
        setError(UiArgs(
            UiText("CProfileStore", "The profiles file %1 is not a user profiles file."), {path_}));
        return false;
    }
    // The profile layout needs exactly these lengths; a file of another layout would be
    // misread and, on the next change, overwritten.
    if (recordLength_ != kRecordLength || extraHeaderLength_ != kExtraHeaderLength) {
        setError(UiArgs(
            UiText("CProfileStore", "The profiles file %1 is not a user profiles file."), {path_}));
        return false;
    }
    return true;
}

bool CProfileStore::GetRecord(int n, uint8_t *buffer)
{
    if (!CFixedLenRecDoc::GetRecord(n, buffer))
        return false;
    PutInt32(buffer + kRecordIndexOffset, n);
    return true;
}

bool CProfileStore::UpdateRecord(int n, uint8_t *buffer)
{
    PutInt32(buffer + kRecordIndexOffset, n);
    return CFixedLenRecDoc::UpdateRecord(n, buffer);
}

bool CProfileStore::OnOpenDocument(const std::string &path)
{
    path_ = path;
    return CFixedLenRecDoc::OnOpenDocument(path);
}

bool CProfileStore::LoadList()
{
    profiles_.clear();
    std::array<uint8_t, kRecordLength> record{};
    for (uint32_t n = 0; n < recordCount_; ++n) {
        if (!GetRecord(static_cast<int>(n), record.data())) {
            setError("The profiles file " + path_ + " cannot be read.");
            return false;
        }
        profiles_.push_back(FromFileRecord(record.data()));
    }
    return true;
}

bool CProfileStore::RewriteFromList()
{
    if (!isOpen() && !OnOpenDocument(path_))
        return false;
    // The same bytes as counting no records and appending every profile again, written
    // as a new file renamed over the old one, so that a kill at any moment leaves either
    // store whole. With no profile left the file is let go, as DeleteContents does; a
    // later add takes it again.
    std::string bytes(kFixedHeaderLength + kExtraHeaderLength, '\0');
    auto *header = reinterpret_cast<uint8_t *>(&bytes[0]);
    PutUint32(header, static_cast<uint32_t>(profiles_.size()));
    PutUint32(header + 4, kRecordLength);
    PutUint32(header + 8, kExtraHeaderLength);
    std::copy(extraHeader_.begin(), extraHeader_.end(), header + kFixedHeaderLength);
    bytes.reserve(bytes.size() + profiles_.size() * kRecordLength);
    for (size_t i = 0; i < profiles_.size(); ++i) {
        const std::array<uint8_t, kRecordLength> record = OnRecordFor(static_cast<int>(i));
        bytes.append(reinterpret_cast<const char *>(record.data()), record.size());
    }
    if (!ReplaceFile(path_, bytes))
        return false;
    recordCount_ = static_cast<uint32_t>(profiles_.size());
    if (profiles_.empty())
        closeFile();
    return true;
}

Result CProfileStore::open(const std::string &path)
{
    profiles_.clear();
    if (!OnOpenDocument(path) || !LoadList()) {
        const std::string message = lastError();
        close();
        return Result::failure(message);
    }
    return Result::success();
}

void CProfileStore::close()
{
    closeFile();
    resetLayout();
    profiles_.clear();
    path_.clear();
}

int CProfileStore::AddRecord(void *source)
{
    // After the file has been let go (its contents deleted), adding takes it again.
    if (!isOpen() && (path_.empty() || !OnOpenDocument(path_)))
        return -1;
    return CFixedLenRecDoc::AddRecord(source);
}

Result CProfileStore::addProfile(ProfileRecord profile)
{
    if (path_.empty())
        return Result::failure(UiText("CProfileStore", "No user profiles file is open."));
    // The list mirrors the file: when the file has to be taken again, read it again.
    if (!isOpen() && !(OnOpenDocument(path_) && LoadList()))
        return Result::failure(lastError());
    profiles_.push_back(profile);
    if (AddRecord(&profiles_.back()) < 0) {
        profiles_.pop_back();
        return Result::failure(lastError());
    }
    return Result::success();
}

Result CProfileStore::deleteProfile(size_t index)
{
    if (index >= profiles_.size())
        return Result::failure(UiText("CProfileStore", "There is no profile at that position."));
    profiles_.erase(profiles_.begin() + static_cast<std::ptrdiff_t>(index));
    if (!RewriteFromList())
        return Result::failure(lastError());
    return Result::success();
}

Result CProfileStore::replaceProfile(size_t index, ProfileRecord profile)
{
    if (index >= profiles_.size())
        return Result::failure(UiText("CProfileStore", "There is no profile at that position."));
    profile.recordIndex = profiles_[index].recordIndex;
    const ProfileRecord before = profiles_[index];
    profiles_[index] = profile;
    if (!RewriteFromList()) {
        profiles_[index] = before;
        return Result::failure(lastError());
    }
    return Result::success();
}

Result CProfileStore::ReadProfilesFile(const std::string &path, ProfilesSnapshot &out)
{
    out = ProfilesSnapshot{};
    std::string bytes;
    if (const Result read = SafeFile::readAll(path, bytes, SafeFile::kRecordFileLimit); !read)
        return read;
    if (bytes.empty())
        return Result::success();
    const auto *data = reinterpret_cast<const uint8_t *>(bytes.data());
    const std::string refused = "The profiles file " + path + " is not a user profiles file.";
    if (bytes.size() < kFixedHeaderLength)
        return Result::badFormat(refused);
    out.recordCount = GetUint32(data);
    out.recordLength = GetUint32(data + 4);
    out.extraHeaderLength = GetUint32(data + 8);
    // The layout open() accepts, and no other.
    const uint64_t start = kFixedHeaderLength + uint64_t{out.extraHeaderLength};
    if (out.recordLength != kRecordLength || out.extraHeaderLength != kExtraHeaderLength ||
        bytes.size() < start)
        return Result::badFormat(refused);
    std::copy(data + kFixedHeaderLength, data + start, out.extraHeader.begin());
    // A header counting more records than the file holds counts the whole ones present.
    const uint64_t present = (bytes.size() - start) / kRecordLength;
    out.recordCount = static_cast<uint32_t>(std::min<uint64_t>(out.recordCount, present));
    std::array<uint8_t, kRecordLength> record{};
    for (uint32_t n = 0; n < out.recordCount; ++n) {
        std::copy(data + start + uint64_t{n} * kRecordLength,
                  data + start + uint64_t{n + 1} * kRecordLength, record.begin());
        PutInt32(record.data() + kRecordIndexOffset, static_cast<int32_t>(n));
        out.profiles.push_back(FromFileRecord(record.data()));
    }
    return Result::success();
}
