// The motion record of the case on screen, gravity, trigonometry in degrees and the solver that
// completes the seven launch parameters from the two the user gave.
#pragma once

#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "motion arithmetic relies on the x87 80-bit extended format");

// Index of the seven motion parameters. Value edit id = 99 + id, "data?" box id = 79 + id.
enum ParamId : int {
    ParamVo = 1,      // initial speed, m/s
    ParamAngle = 2,   // launch angle above the horizontal, degrees (negative downward)
    ParamVx = 3,      // horizontal speed, m/s
    ParamVy0 = 4,     // initial vertical speed, m/s
    ParamReach = 5,   // horizontal distance to where the path meets y = 0, m
    ParamHeight = 6,  // greatest height above the ground, launch height included, m
    ParamTime = 7,    // time until the path meets y = 0, s
};
constexpr int kParamCount = 7;

struct KnownPair {
    std::int32_t first;   // the smaller ParamId; 0 where unset
    std::int32_t second;
};

struct MotionCase {
    std::uint16_t givenCount;  // ticked boxes found by the last read, 0..2
    KnownPair given;
    double values[kParamCount + 1];  // [1..7] as displayed
    std::uint32_t givenMask;         // bit i for each given ParamId (bit 0 while fewer than two)
    double work[kParamCount + 1];    // [0] launch height Y0; [1..7] the solver's working copy
    double cosAngle;
    double sinAngle;
    double apexX;     // horizontal distance from the launch point to the apex
    double apexTime;  // time from launch to the apex
    bool solved;      // a case has been solved in this run
    // work[0..7] as the last successful solve left it: Y0 and the seven parameters. The plot and
    // the point panel read these, because reading the given data rewrites work[0] and the given
    // values on every box click, before any solve.
    double solvedWork[kParamCount + 1];
};

extern MotionCase motionCase;

constexpr long double Gravity = 9.81L;
constexpr long double TwoGravity = 19.62L;
static_assert(TwoGravity == 2 * Gravity);

// Exact at multiples of 90 degrees (the reduction is done in degrees), never -0.
long double DegSin(long double degrees);
long double DegCos(long double degrees);
// Arguments are clamped to [-1, 1].
long double DegArcSin(long double x);
long double DegArcCos(long double x);
long double DegArcTan(long double x);

// Why a case that passed the input checks has no solution.
enum class SolveResult {
    Solved,
    NeverReachesGround,   // the path never comes down to y = 0 after the launch
    VerticalLaunch,       // +-90 degrees with Vx or reach
    SpeedNotDetermined,   // the angle and the other value leave the initial speed open
    DirectionsDisagree,   // an upward Vy0 with an angle that is not upward
    HeightBelowLaunch,    // a maximum height under the launch height
    NoLanding,            // no launch of this kind lands on the ground as given
    TooLarge,             // a result does not fit in a double
};

// Caption and text of the message box that refuses a case.
const char* SolveFailureCaption();
const char* SolveFailureText(SolveResult result);

// Completes motionCase from the given pair (first < second), its work[0..7] and givenMask.
// On success writes work, values, cosAngle, sinAngle, apexX, apexTime and solvedWork; on
// failure leaves motionCase exactly as it was.
SolveResult SolveCase(int first, int second);
