// The inverse solving with air: the seven launch parameters from any two of them, as in a vacuum,
// but from the integrated path (no formula to invert), and the checks of the given data in the
// air's own terms, each with the number it breaks. Pure maths: no state, no text.
#pragma once

#include <vector>

#include "physics/conditions.h"
#include "physics/flight.h"
#include "physics/given_checks.h"
#include "physics/motion.h"

// A fault of the given data with air: the vacuum's kinds, each with the bound the value breaks
// (the reach Vo carries at most, and so on; 0 where the kind quotes none).
struct AirDataFault {
    DataFault fault;
    int param;
    double bound;
};

// Every fault of the given data under the conditions (air on), in the vacuum's order: the angle's
// range, values not above 0, then with Vo given the bounds at that speed.
std::vector<AirDataFault> CheckGivenDataAir(const Conditions& conditions, const GivenData& given);

// The closed forms of a vertical launch at speed vo with drag constant k > 0 under gravity g.
double VerticalRiseHeight(double g, double k, double vo);  // above the launch point
double VerticalRiseTime(double g, double k, double vo);    // to the apex
double FallTimeFromRest(double g, double k, double h);     // a fall of h from rest
double FallTimeDownward(double g, double k, double vo, double h);  // a fall of h launched straight down at vo

// Why a case with air that passed the checks is refused, beyond the vacuum's reasons.
enum class AirLimit {
    None,
    ReachWithVx,   // the reach a launch of this Vx carries at most (bound)
    NotSettled,    // the numerics cannot settle the case: nothing is shown
};

// A case solved with air: the launch shown (the flatter when the pair fixes two), the other when
// there is one, and their integrated paths.
struct AirCase {
    Solution solution{};
    FlightPath path;
    bool twoLaunches = false;
    Solution other{};
    FlightPath otherPath;
};

// Solves the given pair (first < second, one of the 18 admissible pairs, the checks passed)
// with the air on. On Solved writes `air`; otherwise leaves it as it was and, for an AirLimit,
// says which in `limit` with its number in `bound` (SolveResult::NoLanding then). Without
// `other`, only the launch shown is sought.
SolveResult SolveCaseAir(const Conditions& conditions, const GivenData& given, AirCase& air, AirLimit& limit,
                         double& bound, bool other = true);

// The completed values of a flown launch: what the solver stores, given values kept as given.
bool CompleteAir(const GivenData& given, double vx, double vy, const FlightPath& path, Solution& solution);
