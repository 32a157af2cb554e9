// Setting up the motion record for tests, fuzzing and benchmarks, as the input checks leave it.
#pragma once

#include "physics/motion.h"

// The 18 admissible pairs of given parameters, first < second.
inline constexpr int kAdmissiblePairs[18][2] = {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7},
                                                {2, 3}, {2, 4}, {2, 5}, {2, 6}, {2, 7}, {3, 4},
                                                {3, 5}, {3, 6}, {3, 7}, {4, 5}, {5, 6}, {5, 7}};

// A fresh motion record with the pair (first, second) given as a and b, from launch height y0.
inline void GiveCase(int first, double a, int second, double b, double y0 = 0) {
    motionCase = MotionCase();
    motionCase.given = {first, second};
    motionCase.givenCount = 2;
    motionCase.givenMask = (1u << first) | (1u << second);
    motionCase.work[0] = y0;
    motionCase.work[first] = motionCase.values[first] = a;
    motionCase.work[second] = motionCase.values[second] = b;
}
