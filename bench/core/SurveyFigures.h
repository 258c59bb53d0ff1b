#pragma once
// What the solver surveys share: percentiles of a sorted list and the peak memory so far.
#include <sys/resource.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace tessaron {

inline long PeakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The value below which share of the sorted list lies (nearest rank).
inline double Percentile(const std::vector<double>& sorted, double share)
{
    const auto index = std::size_t(share * double(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

} // namespace tessaron
