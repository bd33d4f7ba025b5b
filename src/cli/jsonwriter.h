#pragma once

#include <cstdint>
#include <sstream>
#include <string>

// A small streaming JSON writer for the dump subcommands. Texts are given as
// Windows-1252 bytes and written as UTF-8.
class JsonWriter
{
public:
    void beginObject();
    void endObject();
    void beginArray(const std::string &key = {});
    void endArray();
    void beginObject(const std::string &key);

    void field(const std::string &key, const std::string &text);
    void field(const std::string &key, const char *text) { field(key, std::string(text)); }
    void field(const std::string &key, long long number);
    void field(const std::string &key, int number) { field(key, static_cast<long long>(number)); }
    void field(const std::string &key, unsigned number)
    {
        field(key, static_cast<long long>(number));
    }
    void field(const std::string &key, double number);
    // An exact decimal amount of `units` at `decimals` decimals, written as its shortest
    // decimal text: 1250 hundredths as 12.5, 1200 as 12.
    void decimalField(const std::string &key, int64_t units, int decimals);
    void arrayValue(long long number);

    std::string str() const { return out_.str() + "\n"; }

private:
    void separator();
    void key(const std::string &name);
    static std::string quoted(const std::string &cp1252);

    std::ostringstream out_;
    bool needComma_ = false;
    int depth_ = 0;
};
