// The motion of a point mass launched from a height under uniform gravity, without air: gravity,
// trigonometry in degrees and the solver that completes the seven launch parameters from the
// two the user gave. Pure maths: no dialog, no text, no state.
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

// Bit mask of a pair: bit p for each ParamId p.
constexpr std::uint32_t PairMask(int first, int second) { return (1u << first) | (1u << second); }

// What a solve starts from: the two given parameters and the launch height.
struct GivenData {
    KnownPair pair{};                     // first < second
    double values[kParamCount + 1] = {};  // [pair.first] and [pair.second]; the others unread
    double y0 = 0;                        // launch height, m
};

// A solved case. The two given values are kept exactly as given.
struct Solution {
    double y0;                       // launch height, m
    double values[kParamCount + 1];  // [1..7] by ParamId; [0] unused
    double cosAngle;                 // of the launch angle
    double sinAngle;
    double apexX;     // horizontal distance from the launch point to the apex (negative downward)
    double apexTime;  // time from launch to the apex (negative for a downward launch)
};

// A given value beyond a bound by at most this share of the bound's size meets the bound: the
// double nearest to a bound (the solver's own results fed back among them) may lie a few units
// in its last place beyond it. The checks let it pass and the solver solves it at the bound.
constexpr long double kBoundSlack = 4 * std::numeric_limits<double>::epsilon();

constexpr long double Gravity = 9.81L;
constexpr long double TwoGravity = 19.62L;
static_assert(TwoGravity == 2 * Gravity);

// Exact at multiples of 90 degrees (the reduction is done in degrees), never -0.
long double DegSin(long double degrees);
long double DegCos(long double degrees);
// Arguments are clamped to [-1, 1].
long double DegArcSin(long double x);
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
    NeverRises,           // a maximum height above the launch height with an angle at or below 0
};

// Completes the case from the given pair (first < second, one of the 18 admissible pairs). On
// success writes every field of `solution`; otherwise leaves it exactly as it was.
SolveResult SolveCase(const GivenData& given, Solution& solution);

// Vo with the reach has two launch angles that land there when the reach is short of the
// greatest one at that speed; SolveCase keeps the lower. This solves the steeper one, with the
// same given values. Solved, with `steeper` written, when there is a second angle; otherwise
// (another pair, a single angle, or one angle only landing from below the ground) NoLanding,
// with `steeper` left as it was.
SolveResult SolveSteeperCase(const GivenData& given, Solution& steeper);
