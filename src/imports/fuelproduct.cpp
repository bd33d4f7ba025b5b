#include "imports/fuelproduct.h"

#include <iterator>
#include <string>
#include <vector>

namespace {

// clang-format off
// Words that mark what is not motor fuel; they win over the fuel words ("REEFER DIESEL",
// "DIESEL EXHAUST FLUID").
const char *const kNotMotorFuel[] = {
    "DEF", "EXHAUST", "FLUID", "REEFER", "RFR", "REEF", "OIL", "ADDITIVE", "ADDITIVES",
    "ADDITV", "LUBE", "LUBRICANT", "DYED", "OFFROAD", "OFF-ROAD", "MERCHANDISE", "MERCH",
    "FOOD", "SCALE", "WASH", "PARKING", "TIRE", "TIRES", "REPAIR", "SHOWER", "CASH",
    "FEE", "MISC", "OTHER", "KEROSENE", "COOLANT", "ANTIFREEZE", "WIPER",
};
const char *const kMotorFuel[] = {
    "DIESEL", "DSL", "DIES", "ULSD", "ULS", "LSD", "BIODIESEL", "BIO", "BIODSL", "GASOLINE",
    "GAS", "UNL", "UNLEADED", "UNLD", "REG", "REGULAR", "PREM", "PREMIUM", "MID",
    "MIDGRADE", "PLUS", "SUPER", "PROPANE", "LPG", "CNG", "LNG", "ETHANOL", "METHANOL",
    "E85", "E10", "E15", "M85", "A55", "FUEL", "#1", "#2", "NO2", "NO1",
};
// clang-format on

// The product code's words: runs of letters, digits, '#' and '-', in upper case.
std::vector<std::string> Words(std::string_view product)
{
    std::vector<std::string> words(1);
    for (const char raw : product) {
        char c = raw;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        const bool wordChar =
            (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '#' || c == '-';
        if (wordChar)
            words.back() += c;
        else if (!words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty())
        words.pop_back();
    return words;
}

bool AnyOf(const std::string &word, const char *const *list, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (word == list[i])
            return true;
    }
    return false;
}

// "B5", "B20", "B99": biodiesel blends.
bool IsBlend(const std::string &word)
{
    if (word.size() < 2 || word.size() > 4 || word[0] != 'B')
        return false;
    for (size_t i = 1; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9')
            return false;
    }
    return true;
}

} // namespace

bool IsMotorFuelProduct(std::string_view product)
{
    const std::vector<std::string> words = Words(product);
    if (words.empty())
        return true;
    for (const std::string &word : words) {
        if (AnyOf(word, kNotMotorFuel, std::size(kNotMotorFuel)))
            return false;
    }
    for (const std::string &word : words) {
        if (AnyOf(word, kMotorFuel, std::size(kMotorFuel)) || IsBlend(word))
            return true;
        // "DIESEL-2", "ULSD-B5" and the like.
        const size_t dash = word.find('-');
        if (dash != std::string::npos &&
            (IsMotorFuelProduct(word.substr(0, dash)) && !word.substr(0, dash).empty()))
            return true;
    }
    return false;
}
