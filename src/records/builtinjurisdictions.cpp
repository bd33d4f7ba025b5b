#include "records/builtinjurisdictions.h"

namespace {

struct BuiltInJurisdiction {
    const char *name;
    int slot;
};

// clang-format off
const BuiltInJurisdiction kBuiltIn[] = {
        {"Alabama", 10},
        {"Alberta", 0},
        {"Arizona", 11},
        {"Arkansas", 12},
        {"British Columbia", 1},
        {"California", 13},
        {"Colorado", 14},
        {"Connecticut", 15},
        {"Delaware", 16},
        {"Florida", 17},
        {"Georgia", 18},
        {"Idaho", 19},
        {"Illinois", 20},
        {"IN Surcharge", 22},
        {"Indiana", 21},
        {"Iowa", 23},
        {"Kansas", 24},
        {"Kentucky", 25},
        {"KY Surcharge", 26},
        {"Louisiana", 27},
        {"Maine", 28},
        {"Manitoba", 2},
        {"Maryland", 29},
        {"Massachussetts", 30},
        {"MI Surcharge", 61},
        {"Michigan", 31},
        {"Minnesota", 32},
        {"Mississippi", 33},
        {"Missouri", 34},
        {"Montana", 35},
        {"Nebraska", 36},
        {"Nevada", 37},
        {"New Brunswick", 3},
        {"New Hampshire", 38},
        {"New Jersey", 39},
        {"New Mexico", 40},
        {"New York", 41},
        {"Newfoundland", 4},
        {"North Carolina", 42},
        {"North Dakota", 43},
        {"Nova Scotia", 5},
        {"OH Surcharge", 62},
        {"Ohio", 44},
        {"Oklahoma", 45},
        {"Ontario", 6},
        {"Oregon", 46},
        {"Pennsylvania", 47},
        {"Prince Edward Island", 7},
        {"Quebec", 8},
        {"Rhode Island", 48},
        {"Saskatchewan", 9},
        {"South Carolina", 49},
        {"South Dakota", 50},
        {"Tennessee", 51},
        {"Texas", 52},
        {"Utah", 53},
        {"VA Surcharge", 56},
        {"Vermont", 54},
        {"Virginia", 55},
        {"Washington", 57},
        {"West Virginia", 58},
        {"Wisconsin", 59},
        {"Wyoming", 60},
};
// clang-format on

} // namespace

const std::vector<std::string> &BuiltInJurisdictionNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const BuiltInJurisdiction &j : kBuiltIn)
            all.emplace_back(j.name);
        return all;
    }();
    return names;
}

int BuiltInJurisdictionSlot(const std::string &name)
{
    for (const BuiltInJurisdiction &j : kBuiltIn) {
        if (name == j.name)
            return j.slot;
    }
    return -1;
}

std::string BuiltInJurisdictionName(int slot)
{
    for (const BuiltInJurisdiction &j : kBuiltIn) {
        if (j.slot == slot)
            return j.name;
    }
    return {};
}

bool IsBuiltInSurcharge(const std::string &name)
{
    return BuiltInJurisdictionSlot(name) >= 0 && name.size() > 10 &&
           name.compare(name.size() - 10, 10, " Surcharge") == 0;
}
