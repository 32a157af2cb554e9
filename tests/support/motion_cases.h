// Given data for tests, fuzzing and benchmarks, as the input checks leave them.
#pragma once

#include "physics/motion.h"

// The 18 admissible pairs of given parameters, first < second.
inline constexpr int kAdmissiblePairs[18][2] = {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7},
                                                {2, 3}, {2, 4}, {2, 5}, {2, 6}, {2, 7}, {3, 4},
                                                {3, 5}, {3, 6}, {3, 7}, {4, 5}, {5, 6}, {5, 7}};

// The pair (first, second) given as a and b, from launch height y0.
inline GivenData GiveCase(int first, double a, int second, double b, double y0 = 0) {
    GivenData given;
    given.pair = {first, second};
    given.values[first] = a;
    given.values[second] = b;
    given.y0 = y0;
    return given;
}

// The solution of a case that must solve; a zero solution otherwise.
inline Solution SolvedCase(int first, double a, int second, double b, double y0 = 0) {
    Solution solution = {};
    SolveCase(GiveCase(first, a, second, b, y0), solution);
    return solution;
}
