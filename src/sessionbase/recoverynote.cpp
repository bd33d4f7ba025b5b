#include "sessionbase/recoverynote.h"

#include <cstdlib>

namespace {

constexpr const char *kFirstLine = "Tollmark recovery copy";
constexpr const char *kRecordKind = "record";
constexpr const char *kTableKind = "table";

std::string Escaped(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescaped(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

// A whole decimal number without sign; false for anything else.
bool ReadNumber(const std::string &text, uint64_t &value)
{
    if (text.empty() || text.size() > 19 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::strtoull(text.c_str(), nullptr, 10);
    return true;
}

} // namespace

bool IsRecoveryFileName(const std::string &name)
{
    return name.size() > 9 && name.compare(0, 9, "tollmark-") == 0 &&
           name.find_first_of("/\\:") == std::string::npos && name.find("..") == std::string::npos;
}

std::string FormatRecoveryNote(const RecoveryNote &note)
{
    std::string text = std::string(kFirstLine) + "\n";
    text += std::string("kind=") +
            (note.kind == RecoveryNote::Kind::Table ? kTableKind : kRecordKind) + "\n";
    text += "copy=" + note.copyName + "\n";
    text += "pid=" + std::to_string(note.processId) + "\n";
    text += "time=" + std::to_string(note.time) + "\n";
    text += "path=" + Escaped(note.originalPath) + "\n";
    return text;
}

bool ParseRecoveryNote(const std::string &text, RecoveryNote &note)
{
    size_t at = text.find('\n');
    if (at == std::string::npos || text.compare(0, at, kFirstLine) != 0)
        return false;
    RecoveryNote read;
    bool kind = false, pid = false, time = false;
    while (at < text.size()) {
        const size_t start = at + 1;
        at = text.find('\n', start);
        if (at == std::string::npos)
            at = text.size();
        const std::string line = text.substr(start, at - start);
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        uint64_t number = 0;
        if (key == "kind" && (value == kRecordKind || value == kTableKind)) {
            read.kind =
                value == kTableKind ? RecoveryNote::Kind::Table : RecoveryNote::Kind::Record;
            kind = true;
        } else if (key == "copy") {
            read.copyName = value;
        } else if (key == "pid" && ReadNumber(value, number)) {
            read.processId = number;
            pid = true;
        } else if (key == "time" && ReadNumber(value, number)) {
            read.time = static_cast<int64_t>(number);
            time = true;
        } else if (key == "path") {
            read.originalPath = Unescaped(value);
        }
    }
    if (!kind || !pid || !time || !IsRecoveryFileName(read.copyName))
        return false;
    note = read;
    return true;
}
