#pragma once

#include "records/companyinfo.h"

#include <cstdint>

// The header of a record file (*.irc), as the document takes it. Two header layouts,
// told apart by the first 32-bit value; files are always written in the current one.
constexpr uint32_t kCurrentRecordLayout = 61475; // 508-byte header
constexpr uint32_t kOlderRecordLayout = 61474;   // 332-byte header

// A header as read from a file, before it is applied to a document.
struct RecordHeader {
    uint32_t layout = kCurrentRecordLayout;
    CompanyInfo company;   // texts, dates, startOdometer; fuel type only in the current layout
    uint32_t fuelCode = 1; // current layout only
    int32_t year = 0;      // already checked: 0 when out of range
    int32_t quarter = 0;
};
