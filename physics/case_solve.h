// A case solved under any conditions, and the points of its path: Earth without air takes the
// closed-form road (SolveCase and the point formulas, untouched); another gravity without air
// takes the same road on the case scaled to the Earth's gravity (without air, lengths and times
// scale together with 1/g while speeds and angles stay); air takes the integrated path.
#pragma once

#include <vector>

#include "physics/air_solve.h"
#include "physics/conditions.h"
#include "physics/flight.h"
#include "physics/given_checks.h"
#include "physics/motion.h"
#include "physics/point.h"

struct ConditionsCase {
    Conditions conditions;
    Solution solution{};      // the launch shown: the flatter when the pair fixes two
    bool twoLaunches = false;
    Solution other{};         // the steeper launch, while twoLaunches
    FlightPath path;          // with air: the integrated paths
    FlightPath otherPath;
};

// A fault of the given data; bound is the number the air's message quotes (0 without air).
struct CaseFault {
    DataFault fault;
    int param;
    double bound;
};

// Every fault of the given data under the conditions, in the order they are reported.
std::vector<CaseFault> CheckCase(const Conditions& conditions, const GivenData& given);

// Solves the case under the conditions (which have passed CheckConditions). On Solved writes
// `solved`; otherwise leaves it as it was, with an AirLimit and its number for refusals in the
// air's own terms. Without `other`, a second launch with air is neither sought nor kept (the
// command line writes the flatter alone): the launch shown is the same.
SolveResult SolveCaseUnder(const Conditions& conditions, const GivenData& given, ConditionsCase& solved,
                           AirLimit& limit, double& bound, bool other = true);

// The kept case of the other launch (the steeper one), with the same conditions.
ConditionsCase OtherLaunch(const ConditionsCase& solved);

// The point of the path at time t: on the closed-form roads anywhere, with air on [0, landing].
TrajectoryPoint PointAtTime(const ConditionsCase& solved, double t);
// The same for a path kept in parts: its solution, the conditions it was solved under and, with
// air, its integrated path.
TrajectoryPoint PointOfPath(const Conditions& conditions, const Solution& solution, const FlightPath& path,
                            double t);

// Why a point question with air is refused beyond the vacuum's reasons: the integrated path
// runs from the launch to the landing, and the value lies outside what it takes there.
struct PointRange {
    bool outside = false;
    double low = 0;   // the least and greatest value of the field on the path
    double high = 0;
};

// Answers a question about point field k (1..5) as AnswerPoint does, under the case's
// conditions. With air, a value the path never takes gives PointOutOfRange and its range in
// `range` (a speed below the least gives PointBelowVx, range.low being the least speed).
PointError AnswerPointUnder(const ConditionsCase& solved, int k, double value, TrajectoryPoint& first,
                            TrajectoryPoint& second, int& solutionCount, PointRange& range);
PointError AnswerPointOfPath(const Conditions& conditions, const Solution& solution, const FlightPath& path, int k,
                             double value, TrajectoryPoint& first, TrajectoryPoint& second, int& solutionCount,
                             PointRange& range);
