// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_slot.h"

#include "byte_order.h"
#include "cp1250.h"

namespace mirvalon {

bool encodeShiftedText(std::string_view text, int width, uint8_t shift, std::string& buf,
                       std::size_t offset)
{
    const auto bytes = utf8ToCp1250(firstCharacters(text, width));
    if (!bytes)
        return false;
    bool ended = false;
    for (int k = 0; k < width; ++k) {
        const auto b = k < static_cast<int>(bytes->size()) ? static_cast<uint8_t>((*bytes)[k]) : 0;
        ended = ended || b == 0;
        buf[offset + k] = ended ? '\0' : static_cast<char>(static_cast<uint8_t>(b + shift));
    }
    return true;
}

std::string decodeShiftedText(std::string_view buf, std::size_t offset, int width, uint8_t shift)
{
    std::string bytes;
    for (int k = 0; k < width; ++k) {
        const auto b = static_cast<uint8_t>(buf[offset + k]);
        const auto c = static_cast<uint8_t>(b - shift);
        // A byte that stands for a zero ends the text too: no text of the game holds one.
        if (b == 0 || c == 0)
            break;
        bytes += static_cast<char>(c);
    }
    return cp1250ToUtf8(bytes);
}

bool encodeRecordSlot(const RecordEntry& e, std::string& buf, std::size_t offset, int length)
{
    std::string slot(kRecordSlotSize, '\0');
    putLE16(slot, 0, e.number);
    putLE16(slot, 2, e.level);
    putLE16(slot, 4, e.rows);
    putLE16(slot, 14, e.points);
    if (!encodeShiftedText(e.time, kTimeChars, kTimeShift, slot, 6) ||
        !encodeShiftedText(e.holder, kHolderChars, kHolderShift, slot, 16) ||
        !encodeShiftedText(e.key, kKeyChars, kKeyShift, slot, 26))
        return false;
    buf.replace(offset, length, slot, 0, length);
    return true;
}

RecordEntry decodeRecordSlot(std::string_view buf, std::size_t offset)
{
    RecordEntry e;
    e.number = getLE16(buf, offset);
    e.level = getLE16(buf, offset + 2);
    e.rows = getLE16(buf, offset + 4);
    e.time = decodeShiftedText(buf, offset + 6, kTimeChars, kTimeShift);
    e.points = getLE16(buf, offset + 14);
    e.holder = decodeShiftedText(buf, offset + 16, kHolderChars, kHolderShift);
    e.key = decodeShiftedText(buf, offset + 26, kKeyChars, kKeyShift);
    return e;
}

bool recordInBounds(const RecordEntry& e)
{
    return e.number >= 1 && e.number <= 192 && e.level >= 1 && e.level <= 13 && e.rows <= 15 &&
           e.points <= 9999;
}

} // namespace mirvalon
