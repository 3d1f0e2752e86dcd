// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded mutations of a file image: flipped bits, bytes set to edge values, cut or grown files,
// repeated and swapped chunks. The mutation runs of the ordinary suite drive every reader with
// them; libFuzzer brings its own when the fuzz targets are built.
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace mirvalon::fuzz {

class Mutator
{
public:
    explicit Mutator(uint32_t seed) : m_random(seed) {}

    // One to four mutations of `seed`.
    std::string mutate(std::string bytes)
    {
        const int count = 1 + static_cast<int>(below(4));
        for (int k = 0; k < count; ++k)
            mutateOnce(bytes);
        return bytes;
    }

private:
    std::size_t below(std::size_t n) { return n == 0 ? 0 : m_random() % n; }

    void mutateOnce(std::string& b)
    {
        static const unsigned char kEdges[] = {0x00, 0x01, 0x7F, 0x80, 0xFF, 0xFE, '<',  '"',
                                               '/',  '\\', '{',  '}',  'x',  '\n', '\r', 0xC1};
        switch (below(8)) {
        case 0: // a bit
            if (!b.empty())
                b[below(b.size())] ^= static_cast<char>(1u << below(8));
            break;
        case 1: // an edge value
            if (!b.empty())
                b[below(b.size())] = static_cast<char>(kEdges[below(sizeof kEdges)]);
            break;
        case 2: // a 16-bit little-endian field to an edge value
            if (b.size() >= 2) {
                static const uint16_t kWords[] = {0,   1,    13,    14,     15,     16,    192,
                                                  193, 9999, 10000, 0x7FFF, 0x8000, 0xFFFF};
                const std::size_t at = below(b.size() - 1);
                const uint16_t w = kWords[below(sizeof kWords / sizeof kWords[0])];
                b[at] = static_cast<char>(w & 0xFF);
                b[at + 1] = static_cast<char>(w >> 8);
            }
            break;
        case 3: // cut
            b.resize(below(b.size() + 1));
            break;
        case 4: // grow
            b.append(1 + below(8), static_cast<char>(kEdges[below(sizeof kEdges)]));
            break;
        case 5: // a chunk repeated
            if (!b.empty()) {
                const std::size_t at = below(b.size());
                const std::size_t len = 1 + below(std::min<std::size_t>(64, b.size() - at));
                b.insert(below(b.size() + 1), b.substr(at, len));
            }
            break;
        case 6: // a chunk removed
            if (!b.empty()) {
                const std::size_t at = below(b.size());
                b.erase(at, 1 + below(std::min<std::size_t>(64, b.size() - at)));
            }
            break;
        default: // a random byte
            if (!b.empty())
                b[below(b.size())] = static_cast<char>(m_random());
            break;
        }
    }

    std::mt19937 m_random;
};

} // namespace mirvalon::fuzz
