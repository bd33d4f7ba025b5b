#pragma once

// The fixed abbreviation lists that fill the company dialog's Province/State choice:
// the Canada list when the country is "Canada", the US list otherwise. Each is closed
// by an empty entry. They never identify a trip line's jurisdiction.
extern const char *const kUsJurisdictions[51];
extern const char *const kCanadaJurisdictions[11];

// The list for a country text ("Canada" exactly gives the Canada list).
const char *const *JurisdictionListFor(const char *country);
