#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// The p-th quantile (0 to 1) of the values, interpolated between ranks.
inline double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const double rank = p * double(values.size() - 1);
    const auto low = size_t(std::floor(rank));
    const auto high = std::min(low + 1, values.size() - 1);
    return values[low] + (rank - double(low)) * (values[high] - values[low]);
}
