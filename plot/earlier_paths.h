// The paths of the cases solved before the one on screen, drawn behind it for comparison.
#pragma once

#include "physics/case_solve.h"
#include "physics/motion.h"
#include "plot/frame.h"

constexpr int kEarlierPathsKept = 4;

struct EarlierPaths {
    Solution paths[kEarlierPathsKept] = {};  // [0] the newest
    Conditions conditions[kEarlierPathsKept];  // what each was solved under
    FlightPath flights[kEarlierPathsKept];     // with air, each one's integrated path
    int count = 0;
};

// The same path: the same launch from the same height, flying as long.
bool SamePath(const Solution& a, const Solution& b);

// Keeps `path` as the newest earlier path; beyond four the oldest goes. A path the same as the
// newest one (the same case solved again) is not kept twice.
void KeepEarlierPath(EarlierPaths& earlier, const Solution& path);
// The same for a path solved under other conditions: it keeps them, and its integrated path.
void KeepEarlierPath(EarlierPaths& earlier, const Solution& path, const Conditions& conditions,
                     const FlightPath& flight);
void ClearEarlierPaths(EarlierPaths& earlier);

// Draws the earlier paths through the open frame, the oldest first in the lightest grey, each
// from its own launch height to its own landing, at the frame's scale and cut by its clip.
void DrawEarlierPaths(const PlotFrame& frame, const EarlierPaths& earlier);
