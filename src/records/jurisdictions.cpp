#include "records/jurisdictions.h"

#include <cstring>

// "ON" sits between "OK" and "OR" and there is no "HI": the list is kept as carriers
// have always seen it.
const char *const kUsJurisdictions[51] = {
    "AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DE", "FL", "GA", "ID", "IL", "IN",
    "IA", "KS", "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO", "MT", "NE",
    "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "ON", "OR", "PA", "RI",
    "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY", ""};

const char *const kCanadaJurisdictions[11] = {"AB", "BC", "MB", "NB", "NF", "NS",
                                              "ON", "PE", "QC", "SK", ""};

const char *const *JurisdictionListFor(const char *country)
{
    return std::strcmp(country, "Canada") == 0 ? kCanadaJurisdictions : kUsJurisdictions;
}
