// A point of a solved trajectory: the five point quantities from any one of them.
#pragma once

#include <cstdint>

#include "physics/motion.h"

// Point field k = 1..5 in this order; field k is shown in edit 109 + k.
struct TrajectoryPoint {
    double x;      // horizontal distance from the launch point, m
    double y;      // height above the ground, m
    double vy;     // vertical velocity, upward positive, m/s
    double speed;  // |V|, m/s
    double t;      // time since launch, s
};

// The point panel's query state.
struct PointQuery {
    TrajectoryPoint first;   // the last successful query (the earlier time for y and |V|)
    TrajectoryPoint second;  // the other passage; meaningful while solutionCount is 2
    std::uint16_t solutionCount;
    bool pointShown;  // the panel's five fields were written by a query
};

// What a query found. Every code but PointDone leaves the points as they were.
enum PointError : int {
    PointDone = 0,
    PointAboveHeight = 1,     // y above the maximum height
    PointBelowVx = 2,         // |V| below Vx
    PointNegativeSpeed = 3,   // |V| negative
    PointNotNumber = 4,       // the field's text is not a number
    PointNoHorizontal = 5,    // x given, but the case has no horizontal motion
    PointOutOfRange = 6,      // the point is too far away for its values to be held
};

// Stores value into field k (1..5, the caller's to guarantee) and computes the other four on
// the solved case. For y and |V| the earlier of the two times is taken. The results may be
// infinite for a value far beyond the trajectory; AnswerPoint checks them.
void SolvePoint(const Solution& solution, TrajectoryPoint& point, int k, double value);

// Answers a question about field k (1..5): checks the value, solves the first point and, for
// y and |V|, the second (the mirror in time about the apex). On PointDone writes `first`, for
// y and |V| also `second`, and sets `solutionCount` to 1 or 2; otherwise changes nothing.
PointError AnswerPoint(const Solution& solution, int k, double value, TrajectoryPoint& first,
                       TrajectoryPoint& second, int& solutionCount);
