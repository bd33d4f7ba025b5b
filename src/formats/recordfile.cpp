#include "formats/recordfile.h"

#include "formats/triplineparser.h"
#include "numbers/decimaltext.h"
#include "numbers/uitext.h"
#include "platform/pathnames.h"
#include "platform/platformfile.h"
#include "platform/safefile.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <functional>
#include <new>
#include <utility>

namespace {

// Where each part of a header layout lies. The two layouts store the same fields; the
// current one has a reserved word after the layout value, a fuel-type code and a wider
// notes field.
struct HeaderLayout {
    size_t size;
    size_t periodFrom;    // year, month, day as 16-bit values; periodTo follows
    size_t firstText;     // the eight company texts, back to back
    size_t startOdometer; // then year and quarter as 32-bit values
    size_t fuelCode;      // 0 when the layout has none
    size_t notes;
    size_t notesWidth;
};

constexpr HeaderLayout kCurrent{kCurrentHeaderSize, 8, 20, 240, 252, 380, 128};
constexpr HeaderLayout kOlder{kOlderHeaderSize, 4, 16, 236, 0, 248, 84};

// Widths of the company texts in header order: name, address, city, province or state,
// country, postal code, phone, IFTA number.
constexpr size_t kTextWidths[8] = {48, 48, 24, 24, 24, 8, 20, 24};

std::string *companyText(CompanyInfo &company, int index)
{
    std::string *texts[8] = {&company.companyName,   &company.address,   &company.city,
                             &company.provinceState, &company.country,   &company.postalCode,
                             &company.phone,         &company.iftaNumber};
    return texts[index];
}

const std::string &companyText(const CompanyInfo &company, int index)
{
    return *companyText(const_cast<CompanyInfo &>(company), index);
}

uint32_t readU32(const std::string &bytes, size_t offset)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data() + offset);
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t readU16(const std::string &bytes, size_t offset)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data() + offset);
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

void writeU32(std::string &bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void writeU16(std::string &bytes, size_t offset, uint16_t value)
{
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

// A text field ends at its first zero byte. A field without one (a damaged or foreign
// file) is taken to its full width and never beyond it.
std::string readText(const std::string &bytes, size_t offset, size_t width)
{
    const char *start = bytes.data() + offset;
    const void *zero = std::memchr(start, 0, width);
    const size_t length =
        zero ? static_cast<size_t>(static_cast<const char *>(zero) - start) : width;
    return std::string(start, length);
}

// Texts longer than the field are cut so that the terminating zero always fits.
void writeText(std::string &bytes, size_t offset, size_t width, const std::string &text)
{
    const size_t length = text.size() < width ? text.size() : width - 1;
    bytes.replace(offset, length, text, 0, length);
}

PeriodDate readDate(const std::string &bytes, size_t offset)
{
    return PeriodDate{readU16(bytes, offset), readU16(bytes, offset + 2),
                      readU16(bytes, offset + 4)};
}

void writeDate(std::string &bytes, size_t offset, const PeriodDate &date)
{
    writeU16(bytes, offset, date.year);
    writeU16(bytes, offset + 2, date.month);
    writeU16(bytes, offset + 4, date.day);
}

// Trip lines go out through one buffer on the stack, handed on (to the file image or to
// the file) whenever it fills: a million lines are written at every save of a large
// quarter.
class LineWriter
{
public:
    using Output = std::function<void(const char *, size_t)>;
    explicit LineWriter(Output out) : out_(std::move(out)) {}
    ~LineWriter() { flush(); }
    LineWriter(const LineWriter &) = delete;
    LineWriter &operator=(const LineWriter &) = delete;

    void write(const TripEntry &entry)
    {
        room(kNumberRoom);
        putInt(entry.tripNumber);
        putText(entry.date.view());
        putText(entry.reservedText.view());
        room(6 * kNumberRoom + 2 * kDecimalRoom + 1);
        putInt(entry.slot);
        putInt(entry.surcharge);
        putInt(entry.odometerIn);
        putInt(entry.odometerOut);
        // Written as the signed number it is read back as.
        putInt(static_cast<int32_t>(entry.distance));
        putDecimal(entry.fuel.units, 2);
        putDecimal(entry.rate.units, 4);
        putInt(entry.fuelInGallons);
        putInt(entry.distanceInMiles);
        buffer_[used_++] = '\n';
    }

private:
    static constexpr size_t kNumberRoom = 25;                    // "%d" of any value, comma
    static constexpr size_t kDecimalRoom = kDecimalTextRoom + 1; // an amount, comma

    void flush()
    {
        if (used_ > 0)
            out_(buffer_, used_);
        used_ = 0;
    }
    void room(size_t size)
    {
        if (sizeof buffer_ - used_ < size)
            flush();
    }
    void putInt(long long value)
    {
        char *p = buffer_ + used_;
        if (value >= 0 && value < 10) // the unit flags, most slots and odometers of 0
            *p++ = static_cast<char>('0' + value);
        else
            p = std::to_chars(p, p + kNumberRoom, value).ptr;
        *p++ = ',';
        used_ = static_cast<size_t>(p - buffer_);
    }
    void putDecimal(int64_t units, int decimals)
    {
        char *p = WriteDecimal(buffer_ + used_, units, decimals);
        *p++ = ',';
        used_ = static_cast<size_t>(p - buffer_);
    }
    // A stored text may not carry the characters that delimit fields and lines: they
    // would shift every later field of the line, or split it in two, when the file is
    // read back. They become spaces.
    static char fieldChar(char c) { return c == ',' || c == '\n' || c == '\r' ? ' ' : c; }
    void putText(std::string_view text)
    {
        room(text.size() + 1);
        if (text.size() + 1 > sizeof buffer_) {
            // Only a hand-made file holds a text this long.
            std::string field;
            for (char c : text)
                field += fieldChar(c);
            field += ',';
            out_(field.data(), field.size());
            return;
        }
        char *p = buffer_ + used_;
        for (char c : text)
            *p++ = fieldChar(c);
        *p++ = ',';
        used_ = static_cast<size_t>(p - buffer_);
    }

    Output out_;
    char buffer_[65536];
    size_t used_ = 0;
};

// A record file as its bytes come: the header first, then the trip lines, taken apart as
// they arrive, so the whole file never needs to be in memory at once.
// With a block handler the lines are handed on as each block of the file is parsed and
// not kept.
class RecordReader : public SafeFile::Sink
{
public:
    explicit RecordReader(TripLineBlock handOn = nullptr)
        : handOn_(std::move(handOn))
        , parser_(lines_)
    {
    }

    void sizeKnown(uint64_t size) override
    {
        if (handOn_)
            return; // one block's lines at a time
        // Room for the lines a file of this size holds when written by this program; a
        // line takes 40 bytes or more, and no file holds more than the most lines. Room
        // not filled is never touched.
        lines_.reserve(
            std::min<size_t>(static_cast<size_t>(size / 40), TripLineParser::kMostLines) + 1);
        AdviseLargePages(lines_.data(), lines_.capacity() * sizeof(TripEntry));
    }
    void take(const char *data, size_t size) override
    {
        if (headerSize_ == 0) {
            // Not a record file once a whole header's room holds none: the rest of its
            // bytes are not kept.
            if (head_.size() >= kCurrentHeaderSize)
                return;
            const size_t taken = std::min(size, kCurrentHeaderSize - head_.size());
            head_.append(data, taken);
            data += taken;
            size -= taken;
            startLines();
            if (headerSize_ == 0)
                return;
        }
        parser_.feed(data, size);
        handOnLines();
    }

    // False when the bytes do not start with a header of a known layout.
    bool finish(RecordHeader &header)
    {
        if (headerSize_ == 0)
            return false;
        header = header_;
        parser_.finish();
        handOnLines();
        return true;
    }
    std::vector<TripEntry> &lines() { return lines_; }
    Result refusal() const { return parser_.refusal(); }

private:
    // Once the header is whole, the bytes after it go to the trip lines.
    void startLines()
    {
        if (!ParseRecordHeader(head_, header_))
            return;
        headerSize_ =
            header_.layout == kCurrentRecordLayout ? kCurrentHeaderSize : kOlderHeaderSize;
        parser_.feed(head_.data() + headerSize_, head_.size() - headerSize_);
        head_.clear();
    }
    void handOnLines()
    {
        if (!handOn_ || lines_.empty())
            return;
        handOn_(header_, lines_);
        parser_.linesTaken();
    }

    TripLineBlock handOn_;
    std::string head_;
    size_t headerSize_ = 0;
    RecordHeader header_;
    std::vector<TripEntry> lines_;
    TripLineParser parser_;
};

// A read file's lines become the document's, unless one of them holds a rate no
// jurisdiction charges (a hand-edited "1e308", which would be written back as it was
// read) or a negative distance, or the file holds more lines than any quarter: the file
// is then refused with the trip line that holds it. A refused file leaves the document
// as it was, so that nothing of it can be saved over the file.
Result LoadLines(CIftaDoc &doc, const std::string &path, RecordReader &reader, uint32_t *layout)
{
    RecordHeader header;
    if (!reader.finish(header))
        return Result::badFormat(kIncompatibleFileFormat);
    if (Result refused = reader.refusal(); !refused)
        return refused;
    if (layout)
        *layout = header.layout;
    doc.load(header, std::move(reader.lines()), FullPath(path));
    return Result::success();
}

} // namespace

bool ParseRecordHeader(const std::string &bytes, RecordHeader &header)
{
    if (bytes.size() < 4)
        return false;
    const uint32_t layoutValue = readU32(bytes, 0);
    const HeaderLayout *layout = layoutValue == kCurrentRecordLayout ? &kCurrent
                                 : layoutValue == kOlderRecordLayout ? &kOlder
                                                                     : nullptr;
    if (!layout || bytes.size() < layout->size)
        return false;

    header = RecordHeader{};
    header.layout = layoutValue;
    CompanyInfo &company = header.company;
    company.periodFrom = readDate(bytes, layout->periodFrom);
    company.periodTo = readDate(bytes, layout->periodFrom + 6);
    size_t offset = layout->firstText;
    for (int i = 0; i < 8; ++i) {
        *companyText(company, i) = readText(bytes, offset, kTextWidths[i]);
        offset += kTextWidths[i];
    }
    company.notes = readText(bytes, layout->notes, layout->notesWidth);
    company.startOdometer = static_cast<int32_t>(readU32(bytes, layout->startOdometer));

    const uint32_t year = readU32(bytes, layout->startOdometer + 4);
    const uint32_t quarter = readU32(bytes, layout->startOdometer + 8);
    const bool valid = year <= kLatestValidYear && quarter <= 4;
    header.year = valid ? static_cast<int32_t>(year) : 0;
    header.quarter = valid ? static_cast<int32_t>(quarter) : 0;

    if (layout->fuelCode) {
        header.fuelCode = readU32(bytes, layout->fuelCode);
        company.setFuelCode(header.fuelCode);
    }
    return true;
}

std::string BuildHeader(const CIftaDoc &doc)
{
    const HeaderLayout &layout = kCurrent;
    const CompanyInfo &company = doc.company();
    std::string bytes(layout.size, '\0');
    writeU32(bytes, 0, kCurrentRecordLayout);
    writeDate(bytes, layout.periodFrom, company.periodFrom);
    writeDate(bytes, layout.periodFrom + 6, company.periodTo);
    size_t offset = layout.firstText;
    for (int i = 0; i < 8; ++i) {
        writeText(bytes, offset, kTextWidths[i], companyText(company, i));
        offset += kTextWidths[i];
    }
    writeU32(bytes, layout.startOdometer, static_cast<uint32_t>(company.startOdometer));
    writeU32(bytes, layout.startOdometer + 4, static_cast<uint32_t>(doc.recordPeriod().year));
    writeU32(bytes, layout.startOdometer + 8, static_cast<uint32_t>(doc.recordPeriod().quarter));
    writeU32(bytes, layout.fuelCode, company.fuelCode());
    writeText(bytes, layout.notes, layout.notesWidth, company.notes);
    return bytes;
}

std::vector<TripEntry> ParseTripLines(const std::string &bytes, size_t offset, Result *refusal)
{
    std::vector<TripEntry> entries;
    const char *p = bytes.data() + (offset < bytes.size() ? offset : bytes.size());
    const char *const end = bytes.data() + bytes.size();
    // One line per line feed that ends a line with something in it (and one more for a
    // last line without one): counting them first saves moving a million entries while
    // the list grows, and empty lines reserve nothing.
    size_t lines = 0;
    for (const char *q = p; (q = static_cast<const char *>(std::memchr(q, '\n', end - q))); ++q)
        lines += q > p && q[-1] != '\n' && q[-1] != '\r';
    entries.reserve(std::min(lines, TripLineParser::kMostLines) + 1);
    AdviseLargePages(entries.data(), entries.capacity() * sizeof(TripEntry));
    TripLineParser parser(entries);
    parser.feed(p, static_cast<size_t>(end - p));
    parser.finish();
    if (refusal)
        *refusal = parser.refusal();
    return entries;
}

namespace {

LineWriter::Output AppendTo(std::string &out)
{
    return [&out](const char *data, size_t size) { out.append(data, size); };
}

} // namespace

std::string FormatTripLine(const TripEntry &entry)
{
    std::string line;
    LineWriter(AppendTo(line)).write(entry);
    return line;
}

std::string BuildRecordBytes(const CIftaDoc &doc)
{
    std::string bytes = BuildHeader(doc);
    // Room for every line at once, so that the image is never moved while it grows.
    size_t size = bytes.size();
    for (const TripEntry &entry : doc.entries())
        size += 64 + entry.date.size() + entry.reservedText.size();
    bytes.reserve(size);
    LineWriter writer(AppendTo(bytes));
    for (const TripEntry &entry : doc.entries())
        writer.write(entry);
    return bytes;
}

Result ReadRecordBytes(CIftaDoc &doc, const std::string &bytes, const std::string &path,
                       uint32_t *layout)
{
    RecordReader reader;
    reader.take(bytes.data(), bytes.size());
    return LoadLines(doc, path, reader, layout);
}

Result ReadRecordFile(CIftaDoc &doc, const std::string &path, uint32_t *layout)
{
    return ReadRecordFileInBlocks(doc, path, nullptr, layout);
}

Result ReadRecordFileInBlocks(CIftaDoc &doc, const std::string &path, const TripLineBlock &take,
                              uint32_t *layout)
{
    // A file larger than the memory left is refused like any other, the document kept.
    try {
        RecordReader reader(take);
        const Result read = SafeFile::readInBlocks(path, reader, SafeFile::kRecordFileLimit);
        if (!read)
            return read;
        return LoadLines(doc, path, reader, layout);
    } catch (const std::bad_alloc &) {
        return Result::failure(UiArgs(
            UiText("RecordFile", "There is not enough memory to read %1. The file is not opened."),
            {FileNameOf(path)}));
    }
}

Result WriteRecordFile(CIftaDoc &doc, const std::string &path)
{
    // Straight into the file, a buffer at a time: the bytes BuildRecordBytes would give.
    const Result written = SafeFile::writeInBlocks(path, [&doc](SafeFile::BlockSink &file) {
        const std::string header = BuildHeader(doc);
        file.write(header.data(), header.size());
        LineWriter writer([&file](const char *data, size_t size) { file.write(data, size); });
        for (const TripEntry &entry : doc.entries())
            writer.write(entry);
    });
    if (!written)
        return written;
    doc.markSaved();
    return Result::success();
}
