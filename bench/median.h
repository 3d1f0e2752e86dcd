// SPDX-License-Identifier: GPL-3.0-or-later
// The median the benchmarks print their figures by.
#pragma once

#include <algorithm>
#include <vector>

namespace bench {

// 0 for no values; the mean of the middle two for an even count.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace bench
