#include "platform/textencoding.h"

#include "platform/cp1252.h"

#include <cstdint>

namespace {

constexpr const char kByteOrderMark[] = "\xEF\xBB\xBF";

// The length of the well-formed UTF-8 sequence at `at`, 0 when it is not one.
size_t SequenceLength(const unsigned char *at, size_t left)
{
    const unsigned char lead = at[0];
    size_t length = 0;
    uint32_t lowest = 0;
    uint32_t value = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, lowest = 0x80, value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, lowest = 0x800, value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, lowest = 0x10000, value = lead & 0x07;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((at[i] & 0xC0) != 0x80)
            return 0;
        value = value << 6 | (at[i] & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

bool IsValidUtf8(const std::string &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = SequenceLength(data + i, bytes.size() - i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string TextFileToCp1252(const std::string &bytes)
{
    if (bytes.compare(0, 3, kByteOrderMark) == 0)
        return Utf8ToCp1252(bytes.substr(3));
    bool ascii = true;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii || !IsValidUtf8(bytes))
        return bytes;
    return Utf8ToCp1252(bytes);
}
