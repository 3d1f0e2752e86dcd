// SPDX-License-Identifier: GPL-3.0-or-later
// The pseudo-random generator shared by hidden rows, the random game, the training driver
// and the random labels of the pieces: the classic 64-bit linear congruential one.
#pragma once

#include <cstdint>

namespace mirvalon {

class Random
{
public:
    virtual ~Random() = default;
    void seed(uint32_t seed);
    // A non-negative 31-bit number: bits 32..62 of the state after one step. Tests hand the
    // game a generator whose next numbers they choose.
    virtual int32_t next();
    // (next() mod n), for n >= 1.
    int32_t below(int32_t n) { return next() % n; }
    uint64_t state() const { return m_state; }

private:
    uint64_t m_state = 0;
};

} // namespace mirvalon
