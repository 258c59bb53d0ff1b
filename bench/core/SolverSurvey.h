#pragma once

namespace tessaron {

// Solves many seeded positions (fresh deals and deals after random play) and prints the
// spread of the times to a verdict, the undecided count, the share of lost positions by
// moves played, and the memory the solver took.
void PrintSolverSurvey();

} // namespace tessaron
