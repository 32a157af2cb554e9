// A point of the solved trajectory, and the point panel's query state.
#pragma once

#include <cstdint>

#include "ui/fields.h"

// Point field k = 1..5 in this order; field k is shown in edit 109 + k.
struct TrajectoryPoint {
    double x;      // horizontal distance from the launch point, m
    double y;      // height above the ground, m
    double vy;     // vertical velocity, upward positive, m/s
    double speed;  // |V|, m/s
    double t;      // time since launch, s
};

struct PointQuery {
    TrajectoryPoint first;   // the last successful query (the earlier time for y and |V|)
    TrajectoryPoint second;  // the other passage; meaningful while solutionCount is 2
    std::uint16_t solutionCount;
    bool pointShown;  // the panel's five fields were written by a query
};

extern PointQuery pointQuery;

// Writes "x2: ", "Vy2: " and "t2: " into statics 160..162, followed by the second solution's
// x, Vy and t when shown, and enables or greys them.
void ShowSecondSolution(DialogHandle dialog, bool shown);
