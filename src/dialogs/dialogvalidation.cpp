#include "dialogs/dialogvalidation.h"

#include "numbers/decimaltext.h"
#include "numbers/uitext.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// The edit's text without the blanks and tabs around it.
std::string Trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Drops a leading '+', which from_chars does not take but a typed number may carry.
std::string WithoutPlus(std::string text)
{
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+')
        text.erase(0, 1);
    return text;
}

std::string FillPrompt(const std::string &pattern, const std::string &low, const std::string &high)
{
    return UiArgs(pattern, {low, high});
}

// Whole number of the text, or false when the text is not one (overflow clamps).
bool ReadInteger(const std::string &text, long long &value)
{
    const std::string t = WithoutPlus(Trimmed(text));
    if (t.empty())
        return false;
    const char *end = t.data() + t.size();
    const auto [ptr, ec] = std::from_chars(t.data(), end, value);
    if (ptr != end)
        return false;
    if (ec == std::errc::result_out_of_range)
        value = t[0] == '-' ? std::numeric_limits<long long>::min()
                            : std::numeric_limits<long long>::max();
    else if (ec != std::errc())
        return false;
    return true;
}

} // namespace

std::string IntegerRangePrompt(int low, int high)
{
    return FillPrompt(UiText("Messages", "Please enter an integer between %1 and %2."),
                      std::to_string(low), std::to_string(high));
}

std::string NumberRangePrompt(TenThousandths low, TenThousandths high)
{
    return FillPrompt(UiText("Messages", "Please enter a number between %1 and %2."),
                      FormatNumberField(low), FormatNumberField(high));
}

Result ParseIntegerField(const std::string &text, int low, int high, int &value)
{
    long long read = 0;
    if (!ReadInteger(text, read))
        return Result::failure(kEnterInteger);
    if (read < low || read > high)
        return Result::failure(IntegerRangePrompt(low, high));
    value = static_cast<int>(read);
    return Result::success();
}

Result ParseNumberField(const std::string &text, TenThousandths low, TenThousandths high,
                        TenThousandths &value)
{
    const std::string t = WithoutPlus(Trimmed(text));
    // The syntax is a decimal number's, the value read exactly from the same text.
    double syntax = 0.0;
    const char *end = t.data() + t.size();
    const auto [ptr, ec] = std::from_chars(t.data(), end, syntax);
    if (t.empty() || ptr != end || (ec != std::errc() && ec != std::errc::result_out_of_range) ||
        !std::isfinite(syntax))
        return Result::failure(kEnterNumber);
    TenThousandths read;
    if (ReadDecimal(t.data(), end, 4, read.units) != DecimalRead::Number || read < low ||
        read > high)
        return Result::failure(NumberRangePrompt(low, high));
    value = read;
    return Result::success();
}

std::string FormatNumberField(TenThousandths value)
{
    return ShortestDecimalText(value.units, 4);
}

int StepValue(const std::string &text, int delta, int low, int high)
{
    long long value = 0;
    if (!ReadInteger(text, value))
        value = 0;
    // Clamp before adding so that a huge typed number cannot overflow.
    value = std::max<long long>(std::min<long long>(value, high + 1LL), low - 1LL) + delta;
    if (value < low)
        return low;
    if (value > high)
        return high;
    return static_cast<int>(value);
}

std::string NotesFromControl(const std::string &text)
{
    // The box separates lines by "\n" (or "\r\n" when pasted); the notes keep one "\r"
    // for each line break.
    std::string notes;
    notes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        notes += text[i] == '\n' ? '\r' : text[i];
    }
    return notes;
}

std::string NotesToControl(const std::string &notes)
{
    std::string text;
    text.reserve(notes.size());
    for (size_t i = 0; i < notes.size(); ++i) {
        if (notes[i] == '\r') {
            text += '\n';
            if (i + 1 < notes.size() && notes[i + 1] == '\n')
                ++i;
        } else {
            text += notes[i];
        }
    }
    return text;
}

int NotesLength(const std::string &text)
{
    int length = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        length += (text[i] == '\n' || text[i] == '\r') ? 2 : 1;
    }
    return length;
}

int ProfileStep(int current, int step, int count)
{
    if (count <= 0)
        return -1;
    if (current < 0 || current >= count)
        return step < 0 ? 0 : (step > 0 ? count - 1 : -1);
    if (step < 0)
        return current + 1 < count ? current + 1 : 0;
    if (step > 0)
        return current > 0 ? current - 1 : count - 1;
    return current;
}

std::string FieldPrompt(const char *field, const std::string &prompt)
{
    // The field's name is marked for the catalogue where it is given (context "Fields"),
    // the prompt is translated whole ("Messages") or was made in the user's language.
    return UiArgs(UiText("Validation", "%1: %2"),
                  {UiText("Fields", field), UiText("Messages", prompt.c_str())});
}
