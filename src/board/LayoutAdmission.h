#pragma once
// Whether deals on a layout come easily enough. The generator starts its placement again
// whenever it runs into a dead end; on some shapes it nearly always does. A layout is
// admitted when each of its trial deals is built within TrialAttemptLimit attempts and
// they take at most AdmittedMeanAttempts attempts on average.
#include "board/Layout.h"

#include <cstdint>

namespace tessaron {

inline constexpr std::int32_t TrialDeals = 20;
inline constexpr std::int32_t TrialAttemptLimit = 200;
inline constexpr double AdmittedMeanAttempts = 8.0;

struct LayoutTrial {
    std::int32_t DealsBuilt = 0;     // of the deals tried, those built within the limit
    std::int32_t Attempts = 0;       // in all, a deal given up counting the limit
    std::int32_t WorstAttempts = 0;
    double MeanAttempts(std::int32_t deals) const { return deals > 0 ? double(Attempts) / deals : 0.0; }
};

// Builds deals from seeds firstSeed, firstSeed + 1, ... on the layout's places (always the
// same deals for the same seeds).
LayoutTrial TryLayout(const Layout& layout, std::int32_t deals, std::uint64_t firstSeed);

// The trial of TrialDeals deals from seed 1, judged by the rule above.
bool IsAdmitted(const LayoutTrial& trial, std::int32_t deals = TrialDeals);

} // namespace tessaron
