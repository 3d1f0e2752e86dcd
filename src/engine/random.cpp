// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

namespace mirvalon {

namespace {
constexpr uint64_t kMultiplier = 22695477;
}

void Random::seed(uint32_t seed)
{
    // Seeding sets the state to the seed and advances its low 32 bits once.
    const uint32_t lo = seed * static_cast<uint32_t>(kMultiplier) + 1u;
    m_state = lo;
}

int32_t Random::next()
{
    m_state = m_state * kMultiplier + 1;
    return static_cast<int32_t>((m_state >> 32) & 0x7FFFFFFFu);
}

} // namespace mirvalon
