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

// What QueryPoint found. Every code but PointDone leaves first and second as they were.
enum PointError : int {
    PointDone = 0,
    PointAboveHeight = 1,     // y above the maximum height
    PointBelowVx = 2,         // |V| below Vx
    PointNegativeSpeed = 3,   // |V| negative
    PointNotNumber = 4,       // the field's text is not a number
    PointNoHorizontal = 5,    // x given, but the case has no horizontal motion
    PointOutOfRange = 6,      // the point is too far away for its values to be held
};

// Name of point field k = 1..5 in messages: "x", "y", "Vy", "|V|", "t".
const char* PointFieldName(int k);

// Stores value into field k (1..5, the caller's to guarantee) and computes the other four on
// the last solved case. For y and |V| the earlier of the two times is taken. The results may be
// infinite for a value far beyond the trajectory; QueryPoint checks them.
void SolvePoint(TrajectoryPoint& point, int k, double value);

// One query of the panel for field k (1..5): reads edit 109 + k, checks it, solves the first
// point and, for y and |V|, the second (the mirror in time about the apex), then redraws the
// plot with the points. solutionCount becomes 1 at once, and 2 after a successful y or |V|.
PointError QueryPoint(DialogHandle dialog, int k);

// The message box for a refused query (nothing for PointDone); k names the field read.
void ReportPointError(PointError code, int k);

// Writes the point's five fields into edits 110..114 with 2 decimals, marks the point shown,
// puts the focus on control focusId (the field that was asked) and then disables the panel's
// Accept button (after the edits' own change notifications).
void ShowPoint(DialogHandle dialog, const TrajectoryPoint& point, int focusId);

// Writes "x2: ", "Vy2: " and "t2: " into statics 160..162, followed by the second solution's
// x, Vy and t when shown (at most 20 characters each, see FitNumber), and enables or greys them.
void ShowSecondSolution(DialogHandle dialog, bool shown);
