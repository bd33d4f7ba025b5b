#include "numbers/uitext.h"

#include <vector>

namespace {
// The one translator and number formatter of the process, set once at start by the
// window before any text is made; read-only afterwards.
UiTranslator installedTranslator = nullptr;
UiNumberFormatter installedFormatter = nullptr;
} // namespace

void SetUiTranslator(UiTranslator translator)
{
    installedTranslator = translator;
}

std::string UiText(const char *context, const char *source)
{
    if (installedTranslator)
        return installedTranslator(context, source);
    return source;
}

void SetUiNumberFormatter(UiNumberFormatter formatter)
{
    installedFormatter = formatter;
}

std::string UiNumber(const std::string &number)
{
    return installedFormatter ? installedFormatter(number) : number;
}

std::string UiArgs(const std::string &text, std::initializer_list<std::string> args)
{
    const std::vector<std::string> values(args);
    std::string out;
    out.reserve(text.size() + 16 * values.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const size_t n = static_cast<size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            out += values[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
