#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// A text kept inside the object that holds it, for the short texts of a trip line (its
// date, its unit number): a million trip lines then take no heap block each. `Size` bytes
// in all; a text of up to Size - 1 bytes lies in place, the last byte giving its length.
// A longer text (a hand-edited file may hold any) is kept whole on the heap, so nothing
// read is ever cut: the last byte is then kSpilled and the first bytes point at it.
template <size_t Size>
class ShortText
{
    static_assert(Size > sizeof(std::string *) && Size <= 128, "room for a pointer and a length");

public:
    static constexpr size_t kInline = Size - 1;

    ShortText() noexcept = default;
    ShortText(std::string_view text) { assignNew(text); } // NOLINT: converts like a string
    ShortText(const ShortText &o) { assignNew(o.view()); }
    ShortText(ShortText &&o) noexcept
    {
        std::memcpy(bytes_, o.bytes_, Size);
        o.bytes_[kInline] = 0;
    }
    ~ShortText() { release(); }

    ShortText &operator=(const ShortText &o)
    {
        if (this != &o)
            assign(o.view());
        return *this;
    }
    ShortText &operator=(ShortText &&o) noexcept
    {
        if (this != &o) {
            release();
            std::memcpy(bytes_, o.bytes_, Size);
            o.bytes_[kInline] = 0;
        }
        return *this;
    }
    ShortText &operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }

    // Replaces the text. `text` may be this object's own text or part of it.
    void assign(std::string_view text)
    {
        if (text.size() <= kInline && !spilled()) {
            if (!text.empty())
                std::memmove(bytes_, text.data(), text.size());
            bytes_[kInline] = static_cast<char>(text.size());
            return;
        }
        ShortText copy(text);
        *this = std::move(copy);
    }

    bool spilled() const { return static_cast<unsigned char>(bytes_[kInline]) == kSpilled; }
    const char *data() const { return spilled() ? heap()->data() : bytes_; }
    size_t size() const
    {
        return spilled() ? heap()->size() : static_cast<unsigned char>(bytes_[kInline]);
    }
    bool empty() const { return size() == 0; }
    const char *begin() const { return data(); }
    const char *end() const { return data() + size(); }
    std::string_view view() const { return {data(), size()}; }
    std::string str() const { return std::string(view()); }
    operator std::string() const { return str(); } // NOLINT: reads like a string

    friend bool operator==(const ShortText &a, const ShortText &b) { return a.view() == b.view(); }
    friend bool operator!=(const ShortText &a, const ShortText &b) { return !(a == b); }
    friend bool operator<(const ShortText &a, const ShortText &b) { return a.view() < b.view(); }
    friend bool operator==(const ShortText &a, std::string_view b) { return a.view() == b; }
    friend bool operator!=(const ShortText &a, std::string_view b) { return a.view() != b; }
    friend bool operator==(std::string_view a, const ShortText &b) { return a == b.view(); }
    friend bool operator!=(std::string_view a, const ShortText &b) { return a != b.view(); }

private:
    static constexpr unsigned char kSpilled = 0xFF;
    static_assert(kInline < kSpilled, "an inline length never reads as spilled");

    std::string *heap() const
    {
        std::string *p;
        std::memcpy(&p, bytes_, sizeof p);
        return p;
    }
    void assignNew(std::string_view text)
    {
        if (text.size() <= kInline) {
            if (!text.empty())
                std::memcpy(bytes_, text.data(), text.size());
            bytes_[kInline] = static_cast<char>(text.size());
            return;
        }
        std::string *p = new std::string(text);
        std::memcpy(bytes_, &p, sizeof p);
        bytes_[kInline] = static_cast<char>(kSpilled);
    }
    void release()
    {
        if (spilled())
            delete heap();
        bytes_[kInline] = 0;
    }

    // All zero to begin with: an empty text, and no byte a compiler could see read unset.
    char bytes_[Size] = {};
};
