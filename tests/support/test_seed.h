// SPDX-License-Identifier: GPL-3.0-or-later
// The seed of a test's random draws: the same in every ordinary run, so that a failure comes
// back on the next run too; MIRVALON_TEST_SEED chooses another, to explore with.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <iostream>

namespace mirvalon::test {

inline uint32_t testSeed(const char* what, uint32_t fixed)
{
    uint32_t seed = fixed;
    if (const char* chosen = std::getenv("MIRVALON_TEST_SEED"))
        seed = static_cast<uint32_t>(std::strtoul(chosen, nullptr, 10));
    std::cout << what << " seed " << seed << " (MIRVALON_TEST_SEED=" << seed << " runs it again)\n";
    return seed;
}

} // namespace mirvalon::test
