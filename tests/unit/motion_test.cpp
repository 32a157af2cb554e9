// The solver: the worked cases, agreement with the ground-level formulas, round trips from a
// launch height for all 18 pairs, and the cases that have no solution.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "physics/given_checks.h"
#include "physics/motion.h"
#include "tests/support/motion_cases.h"
#include "text/messages.h"
#include "text/number_text.h"

namespace {

using Real = long double;

std::string Shown(double v) { return FormatFixed(v, 6, 3); }

struct Launch {
    double values[8];  // [1..7] as the solver defines them
    bool lands;
};

// The seven parameters of a launch, computed forward from Vo, the angle and Y0 independently
// of the solver (plain formulas, radians).
Launch Forward(Real vo, Real angleDegrees, Real y0) {
    Launch l = {};
    const Real a = angleDegrees * 3.141592653589793238462643383279502884L / 180;
    const Real vx = vo * std::cos(a), vy = vo * std::sin(a), g = 9.81L;
    const Real radicand = vy * vy + 2 * g * y0;
    l.lands = radicand >= 0;
    const Real t = l.lands ? (vy + std::sqrt(radicand)) / g : 0;
    l.lands = l.lands && t >= 0;
    const double v[8] = {0, double(vo), double(angleDegrees), double(vx), double(vy),
                         double(vx * t), double(vy > 0 ? y0 + vy * vy / (2 * g) : y0), double(t)};
    std::memcpy(l.values, v, sizeof v);
    return l;
}

// The same from the two velocity components, which keep a nearly vertical launch's small
// horizontal speed that an angle rounded near 90 degrees loses.
Launch ForwardComponents(Real vx, Real vy, Real y0) {
    const Real vo = std::hypot(vx, vy);
    const Real a = std::atan2(vy, vx) * 180 / 3.141592653589793238462643383279502884L;
    Launch l = Forward(vo, a, y0);
    const Real g = 9.81L, t = l.values[7];
    l.values[3] = double(vx);
    l.values[4] = double(vy);
    l.values[5] = double(vx * t);
    l.values[6] = double(vy > 0 ? y0 + vy * vy / (2 * g) : y0);
    return l;
}

TEST(SolveCase, WorkedCases) {
    const struct {
        const char* label;
        int first;
        double a;
        int second;
        double b;
        double y0;
        const char* shown[8];  // [1..7]; null where the given value is not compared
        const char* apexX;
        const char* apexTime;
    } cases[] = {
        {"Vo 20 angle 45", 1, 20, 2, 45, 0,
         {"", nullptr, nullptr, "14.142", "14.142", "40.775", "10.194", " 2.883"}, "20.387", " 1.442"},
        {"the same from 10 m", 1, 20, 2, 45, 10,
         {"", nullptr, nullptr, "14.142", "14.142", "49.082", "20.194", " 3.471"}, "20.387", " 1.442"},
        {"Vo 20 reach 30: the flatter angle", 1, 20, 5, 30, 0,
         {"", nullptr, "23.685", "18.315", " 8.034", nullptr, " 3.290", " 1.638"}, nullptr, nullptr},
        {"reach 100 with T 4", 5, 100, 7, 4, 0,
         {"", "31.780", "38.125", "25.000", "19.620", nullptr, "19.620", nullptr}, nullptr, nullptr},
        {"Vy0 10 with reach 30", 4, 10, 5, 30, 0,
         {"", "17.791", "34.199", "14.715", nullptr, nullptr, " 5.097", " 2.039"}, nullptr, nullptr},
        {"downward from the ground", 1, 20, 2, -30, 0,
         {"", nullptr, nullptr, nullptr, "-10.000", " 0.000", " 0.000", " 0.000"}, nullptr, nullptr},
        {"downward from 10 m", 1, 20, 2, -30, 10,
         {"", nullptr, nullptr, nullptr, "-10.000", "12.731", "10.000", " 0.735"}, nullptr, nullptr},
        {"vertical: Vx is 0, not -0", 1, 20, 2, 90, 0,
         {"", nullptr, nullptr, " 0.000", "20.000", " 0.000", "20.387", " 4.077"}, " 0.000", nullptr},
        {"straight down from 10 m", 1, 20, 2, -90, 10,
         {"", nullptr, nullptr, " 0.000", "-20.000", " 0.000", "10.000", " 0.450"}, " 0.000", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Solution s = {};
        ASSERT_EQ(SolveCase(GiveCase(c.first, c.a, c.second, c.b, c.y0), s), SolveResult::Solved);
        for (int p = 1; p <= 7; ++p)
            if (c.shown[p]) { EXPECT_EQ(Shown(s.values[p]), c.shown[p]) << "parameter " << p; }
        if (c.apexX) { EXPECT_EQ(Shown(s.apexX), c.apexX); }
        if (c.apexTime) { EXPECT_EQ(Shown(s.apexTime), c.apexTime); }
        EXPECT_EQ(s.y0, c.y0);
        EXPECT_EQ(s.values[c.first], c.a);  // given values are never recomputed
        EXPECT_EQ(s.values[c.second], c.b);
    }
    // Solving Vo 31.780 with that angle gives T 4.000 back.
    EXPECT_EQ(Shown(SolvedCase(1, 31.780, 2, 38.125).values[7]), " 4.000");
}


// Whether the text of v could come out either way within rounding noise.
bool NearRoundingBoundary(double v) {
    double scaled = std::fabs(v) * 1000;
    return std::fabs(scaled - std::floor(scaled) - 0.5) < 1e-9 * std::max(1.0, scaled);
}

// Solves every admissible pair of `truth` from y0 and launches the solved Vo and angle (or the
// solved components) forward again: each given value must come back within 1e-12. Counts the
// pairs checked.
void RoundTripEveryPair(const Launch& truth, Real vo, Real a, double y0, int checked[18],
                        bool byComponents = false) {
    for (int k = 0; k < 18; ++k) {
        const int p = kAdmissiblePairs[k][0], q = kAdmissiblePairs[k][1];
        // A given Vy0 must be positive, and the height of a launch that is not upward is the
        // launch height whatever the angle.
        if ((p == 4 || q == 4 || q == 6) && a <= 1) continue;
        if (truth.values[q] <= 0 || (p != 2 && truth.values[p] <= 0)) continue;
        Solution s = {};
        SolveResult result = SolveCase(GiveCase(p, truth.values[p], q, truth.values[q], y0), s);
        ASSERT_EQ(result, SolveResult::Solved)
            << "pair " << p << "," << q << " Vo " << double(vo) << " angle " << double(a) << " Y0 " << y0;
        const Launch again = byComponents ? ForwardComponents(s.values[3], s.values[4], y0)
                                          : Forward(s.values[1], s.values[2], y0);
        for (int given : {p, q}) {
            const double want = truth.values[given], got = again.values[given];
            ASSERT_LE(std::fabs(got - want), 1e-12 * std::fabs(want) + 1e-13)
                << "pair " << p << "," << q << " parameter " << given << " Vo " << double(vo)
                << " angle " << double(a) << " Y0 " << y0;
        }
        ++checked[k];
    }
}

// From a launch height, every pair gives back its two values when the solved Vo and angle are
// launched forward again.
TEST(SolveCase, EveryPairRoundTripsFromALaunchHeight) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> speed(1, 200), angle(-80, 80), height(-30, 60);
    int checked[18] = {};
    for (int n = 0; n < 20000; ++n) {
        const double vo = speed(random), a = angle(random);
        const double y0 = n % 3 == 0 ? 0 : height(random);
        const Launch truth = Forward(vo, a, y0);
        if (!truth.lands || truth.values[7] < 1e-3) continue;
        RoundTripEveryPair(truth, vo, a, y0, checked);
    }
    for (int k = 0; k < 18; ++k) EXPECT_GT(checked[k], 1000) << "pair " << kAdmissiblePairs[k][0] << "," << kAdmissiblePairs[k][1];
}

// Launches drawn from their components, the horizontal one down to 1e-9 degrees from the
// vertical: a solver that takes Vo from the cosine of an angle rounded near 90 fails here.
TEST(SolveCase, NearlyVerticalLaunchesRoundTripFromTheirComponents) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> vertical(1, 100), exponent(-1, 7.8), height(0, 50);
    int checked[18] = {};
    for (int n = 0; n < 4000; ++n) {
        const Real vy = vertical(random);
        // The angle from the vertical is about 57 vx / vy degrees: down to some 1e-9.
        const Real vx = vy * std::pow(10.0L, -exponent(random));
        const double y0 = n % 2 == 0 ? 0 : height(random);
        const Real vo = std::hypot(vx, vy);
        const Real a = std::atan2(vy, vx) * 180 / 3.141592653589793238462643383279502884L;
        RoundTripEveryPair(ForwardComponents(vx, vy, y0), vo, a, y0, checked, true);
    }
    for (int k = 0; k < 18; ++k) {
        if (kAdmissiblePairs[k][0] == 2) continue;  // an angle rounded to a double is not the launch's
        EXPECT_GT(checked[k], 1000) << "pair " << kAdmissiblePairs[k][0] << "," << kAdmissiblePairs[k][1];
    }
}

// The cases of a review: tiny horizontal speeds or reaches beside a real vertical motion.
TEST(SolveCase, TinyHorizontalMotionKeepsTheVerticalValues) {
    const struct {
        const char* label;
        int first;
        double a;
        int second;
        double b;
        const char* vo;
        const char* height;
        const char* time;
    } cases[] = {
        {"Vx 1e-12 with Vy0 10", 3, 1e-12, 4, 10, "10.000", " 5.097", " 2.039"},
        {"Vx 1e-20 with Vy0 10", 3, 1e-20, 4, 10, "10.000", " 5.097", " 2.039"},
        {"reach 1e-13 with height 10", 5, 1e-13, 6, 10, "14.007", nullptr, " 2.856"},
        {"Vx 1e-15 with T 2.039", 3, 1e-15, 7, 2.0387359836901124, "10.000", " 5.097", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Solution s = {};
        ASSERT_EQ(SolveCase(GiveCase(c.first, c.a, c.second, c.b), s), SolveResult::Solved);
        EXPECT_EQ(Shown(s.values[ParamVo]), c.vo);
        if (c.height) { EXPECT_EQ(Shown(s.values[ParamHeight]), c.height); }
        if (c.time) { EXPECT_EQ(Shown(s.values[ParamTime]), c.time); }
        EXPECT_LE(s.values[ParamAngle], 90);
    }
}

// The ground-level formulas, written as the classic closed forms: the solver must show the same
// digits for every admissible case from the ground.
void GroundLevel(int p, double a, int q, double b, Real& vo, Real& angle) {
    const Real g = 9.81L, pi = 3.141592653589793238462643383279502884L;
    auto asinDeg = [&](Real x) { return std::asin(x) * 180 / pi; };
    auto atanDeg = [&](Real x) { return std::atan(x) * 180 / pi; };
    auto sinDeg = [&](Real x) { return std::sin(x * pi / 180); };
    auto cosDeg = [&](Real x) { return std::cos(x * pi / 180); };
    Real A = a, B = b;
    switch (p * 10 + q) {
        case 12: vo = A; angle = B; break;
        case 13: vo = A; angle = std::acos(B / A) * 180 / pi; break;
        case 14: vo = A; angle = asinDeg(B / A); break;
        case 15: vo = A; angle = asinDeg(g * B / A / A) / 2; break;
        case 16: vo = A; angle = asinDeg(std::sqrt(2 * g * B / A / A)); break;
        case 17: vo = A; angle = asinDeg(B * g / A / 2); break;
        case 23: angle = A; vo = B / cosDeg(A); break;
        case 24: angle = A; vo = B / sinDeg(A); break;
        case 25: angle = A; vo = std::sqrt(B * g / sinDeg(2 * A)); break;
        case 26: angle = A; vo = std::sqrt(2 * g * B) / sinDeg(A); break;
        case 27: angle = A; vo = B * g / sinDeg(A) / 2; break;
        case 34: angle = atanDeg(B / A); vo = A / cosDeg(angle); break;
        case 35: angle = atanDeg(B * g / A / A / 2); vo = A / cosDeg(angle); break;
        case 36: angle = atanDeg(std::sqrt(2 * B * g) / A); vo = A / cosDeg(angle); break;
        case 37: angle = atanDeg(B * g / A / 2); vo = A / cosDeg(angle); break;
        case 45: angle = atanDeg(2 * A * A / B / g); vo = A / sinDeg(angle); break;
        case 56: angle = atanDeg(4 * B / A); vo = std::sqrt(A * g / sinDeg(2 * angle)); break;
        case 57: angle = atanDeg(B * B * g / (2 * A)); vo = std::sqrt(A * g / sinDeg(2 * angle)); break;
    }
}

TEST(SolveCase, GroundLevelCasesShowTheClassicFormulasDigits) {
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> speed(0.5, 150), angle(1, 89);
    int compared = 0;
    for (int n = 0; n < 20000; ++n) {
        const double vo = speed(random), a = angle(random);
        const Launch truth = Forward(vo, a, 0);
        for (const auto& pair : kAdmissiblePairs) {
            const int p = pair[0], q = pair[1];
            // Round the given values as a user would type them from a shown case.
            const double A = std::round(truth.values[p] * 1000) / 1000;
            const double B = std::round(truth.values[q] * 1000) / 1000;
            if (A <= 0 || B <= 0) continue;
            Real refVo = 0, refAngle = 0;
            GroundLevel(p, A, q, B, refVo, refAngle);
            if (!std::isfinite(double(refVo)) || !std::isfinite(double(refAngle))) continue;
            Solution s = {};
            if (SolveCase(GiveCase(p, A, q, B), s) != SolveResult::Solved) continue;  // e.g. a rounded reach beyond Vo^2/g
            const Launch ref = Forward(double(refVo), double(refAngle), 0);
            for (int i = 1; i <= 7; ++i) {
                if (i == p || i == q) continue;
                const double ours = s.values[i];
                if (NearRoundingBoundary(ref.values[i]) || std::fabs(ref.values[i]) < 1e-9) continue;
                ASSERT_EQ(Shown(ours), Shown(ref.values[i]))
                    << "pair " << p << "," << q << " given " << A << ", " << B << " parameter " << i;
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 200000);
}

TEST(SolveCase, CasesWithoutSolutionAreRefusedAndChangeNothing) {
    const struct {
        const char* label;
        int first;
        double a;
        int second;
        double b;
        double y0;
        SolveResult expected;
    } cases[] = {
        {"angle 0 with T", 2, 0, 7, 2, 0, SolveResult::SpeedNotDetermined},
        {"angle 0 with T from 10 m", 2, 0, 7, 2, 10, SolveResult::SpeedNotDetermined},
        {"angle 0 with height", 2, 0, 6, 5, 0, SolveResult::NeverRises},
        {"downward angle with height above the launch", 2, -20, 6, 15, 10, SolveResult::NeverRises},
        {"downward angle with height", 2, -10, 6, 5, 0, SolveResult::NeverRises},
        {"downward angle with the launch height", 2, -10, 6, 10, 10, SolveResult::SpeedNotDetermined},
        {"downward angle with height under the launch", 2, -10, 6, 5, 10, SolveResult::HeightBelowLaunch},
        {"angle 0 with Vy0", 2, 0, 4, 5, 0, SolveResult::SpeedNotDetermined},
        {"downward angle with Vy0", 2, -30, 4, 5, 0, SolveResult::DirectionsDisagree},
        {"angle 0 with reach from the ground", 2, 0, 5, 10, 0, SolveResult::NoLanding},
        {"downward angle with reach from the ground", 2, -30, 5, 10, 0, SolveResult::NoLanding},
        {"too steep down to reach that far", 2, -60, 5, 10, 10, SolveResult::NoLanding},
        {"vertical with Vx", 2, 90, 3, 5, 0, SolveResult::VerticalLaunch},
        {"vertical down with Vx", 2, -90, 3, 5, 0, SolveResult::VerticalLaunch},
        {"vertical with reach", 2, 90, 5, 5, 0, SolveResult::VerticalLaunch},
        {"never up to the ground", 1, 10, 2, 45, -100, SolveResult::NeverReachesGround},
        {"Vy0 too small to climb out", 4, 5, 5, 10, -10, SolveResult::NeverReachesGround},
        {"height under the launch height", 3, 10, 6, 5, 10, SolveResult::HeightBelowLaunch},
        {"height under the launch height with Vo", 1, 10, 6, 5, 10, SolveResult::HeightBelowLaunch},
        {"height under the launch height with reach", 5, 10, 6, 5, 10, SolveResult::HeightBelowLaunch},
        {"time too short to rise from below", 3, 10, 7, 1, -10, SolveResult::NoLanding},
        {"reach and time from below", 5, 10, 7, 1, -10, SolveResult::NoLanding},
        {"angle and time from below", 2, 45, 7, 1, -10, SolveResult::NoLanding},
        {"upward angle, time shorter than the fall", 2, 30, 7, 1, 10, SolveResult::NoLanding},
        {"reach at an angle only met on the way up", 2, 10, 5, 50, -100, SolveResult::NoLanding},
        {"overflow of the reach", 1, 1e200, 2, 45, 0, SolveResult::TooLarge},
        {"overflow of the speed", 2, 45, 7, 1e300, 0, SolveResult::TooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Solution s = SolvedCase(1, 20, 2, 45);  // a solution left from an earlier solve
        const Solution before = s;
        EXPECT_EQ(SolveCase(GiveCase(c.first, c.a, c.second, c.b, c.y0), s), c.expected);
        for (int p = 1; p <= 7; ++p) EXPECT_EQ(s.values[p], before.values[p]) << p;
        EXPECT_EQ(s.y0, before.y0);
        EXPECT_EQ(s.apexX, before.apexX);
        EXPECT_NE(SolveFailureMessage(c.expected, kEnglish).text, "");
    }
    // A horizontal throw from a height has a reach that fixes its speed.
    const Solution s = SolvedCase(2, 0, 5, 20, 4.905);
    EXPECT_EQ(Shown(s.values[1]), "20.000");
    EXPECT_EQ(Shown(s.values[7]), " 1.000");
}

// A value on a bound, as the double nearest to it and up to three units in its last place
// beyond, passes the checks and is solved at the bound; a value a millionth of a millionth
// beyond is still refused. The bounds are computed here in extended precision; the solver's
// own greatest reach at Vo 20 lies 2.7e-15 above its exact bound.
TEST(SolveCase, ValuesOnABoundAreSolvedThere) {
    const Real g = 9.81L;
    auto landing = [g](Real vo, Real y0) { return std::sqrt(vo * vo + 2 * g * y0); };
    const struct {
        const char* label;
        int first;
        double a;
        int second;
        double b;     // the value that is not varied (unused where b is the one varied)
        int varied;   // the ParamId on its bound
        Real bound;
        double y0;
        int beyond;   // +1: values above the bound are refused; -1: below it
        double angle; // the angle solved at the bound; NAN where not compared
    } rows[] = {
        {"Vx at Vo", 1, 20, 3, 0, 3, 20, 0, +1, 0},
        {"Vy0 at Vo", 1, 20, 4, 0, 4, 20, 0, +1, 90},
        {"the greatest reach", 1, 20, 5, 0, 5, 400 / g, 0, +1, 45},
        {"the greatest reach from 10 m", 1, 20, 5, 0, 5, 20 * landing(20, 10) / g, 10, +1,
         double(std::atan(20 / landing(20, 10)) * 180 / 3.141592653589793238462643383279502884L)},
        {"the greatest reach from 5 m below", 1, 20, 5, 0, 5, 20 * landing(20, -5) / g, -5, +1, NAN},
        {"the greatest height", 1, 20, 6, 0, 6, 400 / (2 * g), 0, +1, 90},
        {"the greatest height from 10 m", 1, 20, 6, 0, 6, 10 + 400 / (2 * g), 10, +1, 90},
        {"the launch height as the greatest", 1, 20, 6, 0, 6, 10, 10, -1, 0},
        {"the longest time", 1, 20, 7, 0, 7, 40 / g, 0, +1, 90},
        {"the longest time from 10 m", 1, 20, 7, 0, 7, (20 + landing(20, 10)) / g, 10, +1, 90},
        {"the longest time from 5 m below", 1, 20, 7, 0, 7, (20 + landing(20, -5)) / g, -5, +1, 90},
        {"the shortest time from 10 m", 1, 20, 7, 0, 7, (landing(20, 10) - 20) / g, 10, -1, -90},
        // The solver's own bounds.
        {"Vx with the launch height as the greatest", 3, 5, 6, 0, 6, 10, 10, -1, 0},
        {"reach with the launch height as the greatest", 5, 30, 6, 0, 6, 10, 10, -1, 0},
        {"Vx with T landing at the apex from below", 3, 5, 7, 0, 7, std::sqrt(10 / g), -5, -1, NAN},
        {"reach with T landing at the apex from below", 5, 30, 7, 0, 7, std::sqrt(10 / g), -5, -1, NAN},
        {"Vy0 that just climbs to the ground", 4, 0, 5, 30, 4, std::sqrt(10 * g), -5, -1, NAN},
        {"an angle and a reach at the apex from below", 2, 45, 5, 0, 5, 10, -5, -1, 45},
        {"an angle and the time of a drop", 2, 45, 7, 0, 7, 2, 19.62, -1, 45},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const double direction = row.beyond > 0 ? INFINITY : -INFINITY;
        double value = static_cast<double>(row.bound);
        for (int ulps = 0; ulps <= 3; ++ulps, value = std::nextafter(value, direction)) {
            SCOPED_TRACE(ulps);
            GivenData given = GiveCase(row.first, row.a, row.second, row.b, row.y0);
            given.values[row.varied] = value;
            EXPECT_TRUE(CheckGivenData(given).empty());
            Solution s = {};
            ASSERT_EQ(SolveCase(given, s), SolveResult::Solved);
            EXPECT_EQ(s.values[row.varied], value);
            if (!std::isnan(row.angle)) { EXPECT_NEAR(s.values[ParamAngle], row.angle, 1e-5); }
        }
        GivenData given = GiveCase(row.first, row.a, row.second, row.b, row.y0);
        given.values[row.varied] = static_cast<double>(row.bound * (1 + row.beyond * 1e-12L));
        Solution s = {};
        EXPECT_TRUE(!CheckGivenData(given).empty() || SolveCase(given, s) != SolveResult::Solved)
            << "a millionth of a millionth beyond";
    }
}

TEST(DegreeTrigonometry, ExactAtWholeQuadrantsAndNeverNegativeZero) {
    const struct {
        Real degrees, sine, cosine;
    } rows[] = {{0, 0, 1},    {90, 1, 0},   {180, 0, -1},  {270, -1, 0},  {-90, -1, 0},
                {-180, 0, -1}, {360, 0, 1}, {450, 1, 0},   {-720, 0, 1},  {30, 0.5L, 0.866025403784438646763723170752936183L}};
    for (const auto& row : rows) {
        SCOPED_TRACE(double(row.degrees));
        EXPECT_NEAR(double(DegSin(row.degrees)), double(row.sine), 1e-18);
        EXPECT_NEAR(double(DegCos(row.degrees)), double(row.cosine), 1e-18);
        if (row.sine == 0) { EXPECT_FALSE(std::signbit(DegSin(row.degrees))); }
        if (row.cosine == 0) { EXPECT_FALSE(std::signbit(DegCos(row.degrees))); }
    }
    EXPECT_EQ(DegSin(90), 1.0L);
    EXPECT_NEAR(double(DegArcSin(1)), 90, 1e-15);
    EXPECT_NEAR(double(DegArcSin(-0.5L)), -30, 1e-14);
    EXPECT_NEAR(double(DegArcSin(1.0000000000000002L)), 90, 1e-15);  // clamped, no NaN
    EXPECT_NEAR(double(DegArcTan(1)), 45, 1e-14);
    // Near 1 the arc sine keeps full precision, where 1 - x*x would lose half the digits.
    const Real x = 1 - std::ldexp(1.0L, -40);
    const Real arcCos = 2 * std::asin(std::sqrt(std::ldexp(1.0L, -41))) * 180 / 3.141592653589793238462643383279502884L;
    EXPECT_NEAR(double(DegArcSin(x)), double(90 - arcCos), 1e-15 * 90);
}

// Vo with the reach: the steeper of the two angles, when there is one, lands at the same reach
// from the same height; the lower is the one SolveCase keeps.
TEST(SolveSteeperCase, TheOtherAngleLandsAtTheSameReach) {
    const struct {
        const char* label;
        int first;
        double a;
        int second;
        double b, y0;
        bool two;
        double steeperAngle;  // to 1e-9 degrees, where there are two
    } cases[] = {
        {"from the ground: the angles add up to 90", 1, 20, 5, 30, 0, true, 66.314685915239},
        {"a short reach: a steep lob", 1, 20, 5, 20, 0, true, 75.313274789137},
        {"from a 10 m tower", 1, 15, 5, 30, 10, true, 46.974707989863},
        {"from 5 m below the ground", 1, 30, 5, 50, -5, true, 72.892248241483},
        {"from below, the lower path rises through the landing", 1, 20, 5, 10, -10, false, 0},
        {"another pair", 1, 20, 2, 45, 0, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const GivenData given = GiveCase(c.first, c.a, c.second, c.b, c.y0);
        Solution lower = {}, steeper = {};
        ASSERT_EQ(SolveCase(given, lower), SolveResult::Solved);
        steeper.values[ParamAngle] = -1;
        const SolveResult result = SolveSteeperCase(given, steeper);
        if (!c.two) {
            EXPECT_EQ(result, SolveResult::NoLanding);
            EXPECT_EQ(steeper.values[ParamAngle], -1) << "left as it was";
            continue;
        }
        ASSERT_EQ(result, SolveResult::Solved);
        const double angle = steeper.values[ParamAngle];
        EXPECT_NEAR(angle, c.steeperAngle, 1e-9);
        EXPECT_GT(angle, lower.values[ParamAngle]);
        EXPECT_EQ(steeper.values[ParamVo], c.a);
        EXPECT_EQ(steeper.values[ParamReach], c.b);
        EXPECT_EQ(steeper.y0, c.y0);
        const Launch forward = Forward(c.a, angle, c.y0);  // independent: where does it land?
        EXPECT_NEAR(forward.values[ParamReach], c.b, 1e-9 * c.b);
        EXPECT_NEAR(steeper.values[ParamTime], forward.values[ParamTime], 1e-9);
        if (c.y0 == 0) { EXPECT_NEAR(angle + lower.values[ParamAngle], 90, 1e-9); }
    }
}

}  // namespace
