// SPDX-License-Identifier: GPL-3.0-or-later
// A libFuzzer target for one reader, chosen at build time (MIRVALON_FUZZ_CHECK).
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string problem = mirvalon::fuzz::MIRVALON_FUZZ_CHECK(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
