#include "cli/jsonwriter.h"

#include "numbers/decimaltext.h"
#include "platform/cp1252.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

void JsonWriter::separator()
{
    if (needComma_)
        out_ << ',';
    if (depth_ > 0)
        out_ << '\n' << std::string(static_cast<size_t>(depth_) * 2, ' ');
    needComma_ = false;
}

void JsonWriter::key(const std::string &name)
{
    separator();
    if (!name.empty())
        out_ << quoted(name) << ": ";
}

void JsonWriter::beginObject()
{
    key({});
    out_ << '{';
    ++depth_;
}

void JsonWriter::beginObject(const std::string &name)
{
    key(name);
    out_ << '{';
    ++depth_;
}

void JsonWriter::endObject()
{
    --depth_;
    out_ << '\n' << std::string(static_cast<size_t>(depth_) * 2, ' ') << '}';
    needComma_ = true;
}

void JsonWriter::beginArray(const std::string &name)
{
    key(name);
    out_ << '[';
    ++depth_;
}

void JsonWriter::endArray()
{
    --depth_;
    out_ << '\n' << std::string(static_cast<size_t>(depth_) * 2, ' ') << ']';
    needComma_ = true;
}

void JsonWriter::field(const std::string &name, const std::string &text)
{
    key(name);
    out_ << quoted(text);
    needComma_ = true;
}

void JsonWriter::field(const std::string &name, long long number)
{
    key(name);
    out_ << number;
    needComma_ = true;
}

void JsonWriter::field(const std::string &name, double number)
{
    key(name);
    if (!std::isfinite(number)) {
        out_ << "null";
    } else {
        // Shortest text that reads back to the same double.
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", number);
        for (int precision = 1; precision <= 17; ++precision) {
            char attempt[40];
            std::snprintf(attempt, sizeof attempt, "%.*g", precision, number);
            if (std::strtod(attempt, nullptr) == number) {
                std::snprintf(buffer, sizeof buffer, "%s", attempt);
                break;
            }
        }
        out_ << buffer;
    }
    needComma_ = true;
}

void JsonWriter::decimalField(const std::string &name, int64_t units, int decimals)
{
    key(name);
    out_ << ShortestDecimalText(units, decimals);
    needComma_ = true;
}

void JsonWriter::arrayValue(long long number)
{
    key({});
    out_ << number;
    needComma_ = true;
}

std::string JsonWriter::quoted(const std::string &cp1252)
{
    const std::string utf8 = Cp1252ToUtf8(cp1252);
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", c);
                out += esc;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}
