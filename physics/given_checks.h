// Checks of the given data before a solve: which pairs can be solved at all, the ranges and
// signs of the values, and the bounds a launch at speed Vo from the launch height keeps.
#pragma once

#include <vector>

#include "physics/motion.h"

// Vy0 with height or time, and height with time, depend on each other alone: they cannot
// fix a launch.
bool IsIndeterminatePair(KnownPair pair);

enum class DataFault {
    AngleOutOfRange,      // an angle beyond -90..90
    NotPositive,          // a given value other than the angle at or below 0
    ComponentAboveSpeed,  // Vx or Vy0 above Vo
    ReachAboveBound,      // reach above Vo sqrt(Vo^2 + 2g Y0) / g
    HeightAboveBound,     // height above Y0 + Vo^2 / 2g
    HeightBelowLaunch,    // height below Y0
    TimeAboveBound,       // T above (Vo + sqrt(Vo^2 + 2g Y0)) / g
    TimeBelowBound,       // T below (sqrt(Vo^2 + 2g Y0) - Vo) / g, from above the ground
};

struct DataFaultAt {
    DataFault fault;
    int param;  // the ParamId the fault is about
};

// Every fault of the given data, in the order they are reported; empty when the case may be
// solved. Bounds are checked only with Vo given; with Y0 = 0 they are computed with the very
// operations of the ground-level bounds.
std::vector<DataFaultAt> CheckGivenData(const GivenData& given);
