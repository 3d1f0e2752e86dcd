// SPDX-License-Identifier: GPL-3.0-or-later
// A row written out as its pieces, the places after them empty.
#pragma once

#include <initializer_list>

#include "engine/game_state.h"

namespace mirvalon::test {

inline Row row(std::initializer_list<int> pieces)
{
    Row r{};
    int i = 0;
    for (int p : pieces)
        r[i++] = p;
    return r;
}

} // namespace mirvalon::test
