// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian reads and writes at an offset of a byte buffer: every binary file of the game
// is built and read through these, never by copying a struct.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mirvalon {

inline void putLE16(std::string& buf, std::size_t offset, int32_t value)
{
    const auto v = static_cast<uint16_t>(value);
    buf[offset] = static_cast<char>(v & 0xFF);
    buf[offset + 1] = static_cast<char>(v >> 8);
}

inline void putLE32(std::string& buf, std::size_t offset, int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    for (int k = 0; k < 4; ++k)
        buf[offset + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
}

inline uint16_t getLE16(std::string_view buf, std::size_t offset)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(buf[offset]) |
                                 (static_cast<unsigned char>(buf[offset + 1]) << 8));
}

inline int16_t getSignedLE16(std::string_view buf, std::size_t offset)
{
    return static_cast<int16_t>(getLE16(buf, offset));
}

inline int32_t getLE32(std::string_view buf, std::size_t offset)
{
    uint32_t v = 0;
    for (int k = 0; k < 4; ++k)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(buf[offset + k])) << (8 * k);
    return static_cast<int32_t>(v);
}

} // namespace mirvalon
