#pragma once

namespace tessaron {

// Shuffles many positions where random play got stuck and prints the spread of the times,
// the results, and how often the backward fill ran into a dead end or the search decided.
void PrintShuffleSurvey();

} // namespace tessaron
