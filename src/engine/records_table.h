// SPDX-License-Identifier: GPL-3.0-or-later
// The records of the 192 numbered games, one entry per game, indexed by game number - 1.
// The built-in reference table is their content until a records file replaces it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "variant.h"

namespace mirvalon {

constexpr int kTimeChars = 8;
constexpr int kHolderChars = 10;
constexpr int kKeyChars = 8;

// Texts are UTF-8 here; the records file and the archive hold them as CP1250 bytes.
struct RecordEntry
{
    uint16_t number = 0;
    uint16_t level = 0;
    uint16_t rows = 0;     // 0 means no record
    std::string time;      // " 0:03:01"; eight blanks (or empty) when there is no record
    uint16_t points = 0;   // 0 means no record
    std::string holder;    // padded with blanks to 10 characters
    std::string key;       // VariantKey, 8 characters
    bool archived = false; // a replayable game for this record is in the archive

    bool operator==(const RecordEntry&) const = default;
};

using RecordsTable = std::array<RecordEntry, kGameCount>;

// The reference table compiled into the program: every variant and level, and sixteen
// reference records.
RecordsTable referenceRecords();

// An entry without a record: rows, points 0, time eight blanks, holder ten blanks.
void clearRecord(RecordEntry& entry);

} // namespace mirvalon
