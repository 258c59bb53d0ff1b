#pragma once

namespace tessaron {

// Solves many seeded positions (fresh deals and deals after random play) and prints the
// spread of the times to a verdict, the undecided count, the share of lost positions by
// moves played, and the memory the solver took.
void PrintSolverSurvey();

// Solves many uniformly shuffled full deals (not the generator's: some cannot be cleared)
// and prints the spread of the times, the share lost, the undecided count and the memory.
void PrintShuffledDealSurvey();

} // namespace tessaron
