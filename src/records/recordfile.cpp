#include "records/recordfile.h"

#include "records/decimaltext.h"
#include "records/pathnames.h"
#include "records/safefile.h"
#include "records/textnumber.h"

#include <charconv>
#include <cstring>
#include <filesystem>

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

// The fields of one stored line, each ended by a comma. A line that runs out of commas
// gives its rest as the next field and empty fields after that.
class FieldCursor
{
public:
    FieldCursor(const char *begin, const char *end) : p_(begin), end_(end) {}

    void next(const char *&fieldBegin, const char *&fieldEnd)
    {
        fieldBegin = p_;
        const void *comma = std::memchr(p_, ',', static_cast<size_t>(end_ - p_));
        if (!comma) {
            fieldEnd = p_ = end_;
            return;
        }
        fieldEnd = static_cast<const char *>(comma);
        p_ = fieldEnd + 1;
    }
    int32_t nextInt()
    {
        const char *b, *e;
        next(b, e);
        return TextToInt(b, e);
    }
    template <int D>
    FixedDecimal<D> nextDecimal()
    {
        const char *b, *e;
        next(b, e);
        return TextToDecimal<D>(b, e);
    }
    std::string nextText()
    {
        const char *b, *e;
        next(b, e);
        return std::string(b, e);
    }

private:
    const char *p_;
    const char *end_;
};

TripEntry parseLine(const char *begin, const char *end)
{
    FieldCursor fields(begin, end);
    TripEntry entry;
    entry.tripNumber = fields.nextInt();
    entry.date = fields.nextText();
    entry.reservedText = fields.nextText();
    entry.slot = fields.nextInt();
    entry.surcharge = fields.nextInt();
    entry.odometerIn = fields.nextInt();
    entry.odometerOut = fields.nextInt();
    entry.distance = static_cast<uint32_t>(fields.nextInt());
    entry.fuel = fields.nextDecimal<2>();
    entry.rate = fields.nextDecimal<4>();
    entry.fuelInGallons = fields.nextInt();
    entry.distanceInMiles = fields.nextInt();
    return entry;
}

// A stored text may not carry the characters that delimit fields and lines: they would
// shift every later field of the line, or split it in two, when the file is read back.
void appendFieldText(std::string &out, const std::string &text)
{
    if (text.find_first_of(",\n\r") == std::string::npos) {
        out += text;
        out += ',';
        return;
    }
    for (char c : text)
        out += (c == ',' || c == '\n' || c == '\r') ? ' ' : c;
    out += ',';
}

// The numbers of a line go through a buffer on the stack: a million lines are written
// at every save of a large quarter.
char *putInt(char *p, long long value)
{
    p = std::to_chars(p, p + 24, value).ptr;
    *p++ = ',';
    return p;
}

template <int D>
char *putDecimal(char *p, FixedDecimal<D> value)
{
    p = WriteDecimal(p, value.units, D);
    *p++ = ',';
    return p;
}

void appendTripLine(std::string &out, const TripEntry &entry)
{
    // Seven whole numbers, two fixed-point ones, commas and the line feed.
    char buffer[7 * 25 + 2 * (kDecimalTextRoom + 1) + 1];
    char *p = putInt(buffer, entry.tripNumber);
    out.append(buffer, p);
    appendFieldText(out, entry.date);
    appendFieldText(out, entry.reservedText);
    p = putInt(buffer, entry.slot);
    p = putInt(p, entry.surcharge);
    p = putInt(p, entry.odometerIn);
    p = putInt(p, entry.odometerOut);
    // Written as the signed number it is read back as.
    p = putInt(p, static_cast<int32_t>(entry.distance));
    p = putDecimal(p, entry.fuel);
    p = putDecimal(p, entry.rate);
    p = putInt(p, entry.fuelInGallons);
    p = putInt(p, entry.distanceInMiles);
    *p++ = '\n';
    out.append(buffer, p);
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

std::vector<TripEntry> ParseTripLines(const std::string &bytes, size_t offset)
{
    std::vector<TripEntry> entries;
    const char *p = bytes.data() + (offset < bytes.size() ? offset : bytes.size());
    const char *const end = bytes.data() + bytes.size();
    // One line per line feed (and one more for a last line without one): counting them
    // first saves moving a million entries while the list grows.
    size_t lineFeeds = 0;
    for (const char *q = p; (q = static_cast<const char *>(std::memchr(q, '\n', end - q))); ++q)
        ++lineFeeds;
    entries.reserve(lineFeeds + 1);
    while (p < end) {
        const char *lineEnd = p;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        entries.push_back(parseLine(p, lineEnd));
        p = lineEnd;
        if (p < end && *p == '\r') {
            // A carriage return ends the line too; a line feed right after it belongs to
            // the same line end. Any other character starts the next line: a file with
            // bare carriage returns loses nothing.
            ++p;
            if (p < end && *p == '\n')
                ++p;
        } else if (p < end) {
            ++p;
        }
    }
    return entries;
}

std::string FormatTripLine(const TripEntry &entry)
{
    std::string line;
    appendTripLine(line, entry);
    return line;
}

std::string BuildRecordBytes(const CIftaDoc &doc)
{
    std::string bytes = BuildHeader(doc);
    bytes.reserve(bytes.size() + doc.entries().size() * 64);
    for (const TripEntry &entry : doc.entries())
        appendTripLine(bytes, entry);
    return bytes;
}

Result ReadRecordBytes(CIftaDoc &doc, const std::string &bytes, const std::string &path,
                       uint32_t *layout)
{
    RecordHeader header;
    if (!ParseRecordHeader(bytes, header)) {
        doc.loadRefused();
        return Result::badFormat(kIncompatibleFileFormat);
    }
    if (layout)
        *layout = header.layout;
    const size_t headerSize =
        header.layout == kCurrentRecordLayout ? kCurrentHeaderSize : kOlderHeaderSize;
    std::vector<TripEntry> lines = ParseTripLines(bytes, headerSize);
    // A rate no jurisdiction charges (a hand-edited "1e308") would be written back as
    // it was read; the file is refused with the trip line that holds it.
    constexpr int64_t kHighestRate = 100000; // 10 a unit, in ten-thousandths
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rate.units < 0 || lines[i].rate.units > kHighestRate) {
            doc.loadRefused();
            return Result::badFormat("The tax rate of trip line " + std::to_string(i + 1) +
                                     " is not between 0 and 10. The file is not opened.");
        }
    }
    doc.load(header, std::move(lines), FullPath(path));
    return Result::success();
}

Result ReadRecordFile(CIftaDoc &doc, const std::string &path, uint32_t *layout)
{
    std::string bytes;
    const Result read = SafeFile::readAll(path, bytes, SafeFile::kRecordFileLimit);
    if (!read)
        return read;
    return ReadRecordBytes(doc, bytes, path, layout);
}

Result WriteRecordFile(CIftaDoc &doc, const std::string &path)
{
    const Result written = SafeFile::writeAll(path, BuildRecordBytes(doc));
    if (!written)
        return written;
    doc.markSaved();
    return Result::success();
}
