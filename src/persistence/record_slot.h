// SPDX-License-Identifier: GPL-3.0-or-later
// The 34-byte form of one record, shared by the records file (slot i at 34 * i) and the
// archive (at 592 * i + 1).
//
//   offset 0  number  u16      offset 14 points u16
//   offset 2  level   u16      offset 16 holder 10 bytes, shifted by kHolderShift
//   offset 4  rows    u16      offset 26 key     8 bytes, shifted by kKeyShift
//   offset 6  time    8 bytes, shifted by kTimeShift
//
// A text is stored as CP1250 bytes; each byte before the first zero byte is raised by the
// field's shift (mod 256), a zero byte ends the text and the rest of the field is zeros.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/records_table.h"

namespace mirvalon {

constexpr int kRecordSlotSize = 34;
constexpr int kRecordTextOffset = 6; // time .. holder: the part a new record rewrites
constexpr int kRecordPatchSize = 26; // number .. holder; the stored key is left alone

// Fixed for every build: files written by one read in any other. The holder's amount turns
// only byte 0x98, which the code page leaves unused, into a zero byte, so no name a player can
// type ends early.
constexpr uint8_t kTimeShift = 0x11;
constexpr uint8_t kHolderShift = 0x68;
constexpr uint8_t kKeyShift = 0x3A;

// The stored form of a UTF-8 text in a field of `width` bytes; false when the text holds a
// character the code page cannot hold (nothing is written then).
bool encodeShiftedText(std::string_view text, int width, uint8_t shift, std::string& buf,
                       std::size_t offset);
std::string decodeShiftedText(std::string_view buf, std::size_t offset, int width, uint8_t shift);

// Writes the first `length` bytes of the slot (26 for a new record, 34 for all of it).
bool encodeRecordSlot(const RecordEntry& entry, std::string& buf, std::size_t offset,
                      int length = kRecordSlotSize);
// Reads a slot without judging it; `archived` is false.
RecordEntry decodeRecordSlot(std::string_view buf, std::size_t offset);

// The stored fields of an entry are within their bounds: number 1..192, level 1..13,
// rows 0..15, points 0..9999.
bool recordInBounds(const RecordEntry& entry);

} // namespace mirvalon
