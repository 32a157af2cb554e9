// The road with air: the integrator against the closed forms of a vertical launch and against
// itself in a wider type at a tighter tolerance, the solver's round trips over the 18 pairs, the
// vanishing-drag limit, two launches where drag makes two, refusals at the edge of what is
// reachable, another gravity without air, and the point questions on the integrated path.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "physics/case_solve.h"
#include "tests/support/motion_cases.h"

namespace {

Conditions Ball(int ball, int world = 0) {
    Conditions c = WorldConditions(world);
    PutBall(c, ball);
    return c;
}

Conditions Drag(double k, double g = 9.81) {
    // A ball whose drag constant is k: A = pi/4, Cd = 1, rho = 2 m k.
    Conditions c;
    c.g = g;
    c.air = true;
    c.mass = 1;
    c.diameter = 1;
    c.cd = 1;
    c.rho = 2 * k / (3.141592653589793 / 4);
    return c;
}

double Rel(double a, double b) { return std::fabs(a - b) / std::fmax(std::fabs(b), 1e-300); }

TEST(AirFlight, VerticalLaunchMeetsItsClosedForms) {
    const struct {
        double g, k, vo;
    } cases[] = {{9.81, 0.0063, 40}, {1.62, 0.0063, 40}, {9.81, 0.1, 300}, {24.79, 1e-6, 5}, {9.81, 2.5, 0.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.g) + " " + std::to_string(c.k) + " " + std::to_string(c.vo));
        FlightEvents e;
        ASSERT_EQ(FlyT<double>(c.g, c.k, 0, 0, c.vo, kFlightTolerance, e, nullptr), FlightEnd::Landed);
        const double h = VerticalRiseHeight(c.g, c.k, c.vo);
        EXPECT_LT(Rel(e.apex.y, h), 1e-13);
        EXPECT_LT(Rel(e.apex.t, VerticalRiseTime(c.g, c.k, c.vo)), 1e-13);
        EXPECT_LT(Rel(e.landing.t, VerticalRiseTime(c.g, c.k, c.vo) + FallTimeFromRest(c.g, c.k, h)), 1e-13);
        // Straight down from 30 m, slower and faster than the terminal speed.
        for (double v : {0.3 * std::sqrt(c.g / c.k), 3 * std::sqrt(c.g / c.k)}) {
            ASSERT_EQ(FlyT<double>(c.g, c.k, 30, 0, -v, kFlightTolerance, e, nullptr), FlightEnd::Landed);
            EXPECT_LT(Rel(e.landing.t, FallTimeDownward(c.g, c.k, v, 30)), 1e-12);
        }
    }
}

TEST(AirFlight, AgreesWithAThousandTimesTighterReferenceInALongDouble) {
    const struct {
        const char* label;
        double k, y0, vx, vy;
    } cases[] = {{"baseball 45", 0.0063, 0, 28.28, 28.28},
                 {"nearly vertical", 0.0063, 0, 1e-4, 40},
                 {"downward from 50 m", 0.02, 50, 30, -20},
                 {"far faster than terminal", 0.13, 1, 2000, 500},
                 {"shot put, long", 0.0002, 2, 10, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        FlightEvents e;
        FlightEventsT<long double> r;
        ASSERT_EQ(FlyT<double>(9.81, c.k, c.y0, c.vx, c.vy, kFlightTolerance, e, nullptr), FlightEnd::Landed);
        ASSERT_EQ(FlyT<long double>(9.81L, c.k, c.y0, c.vx, c.vy, 1e-19L, r, nullptr), FlightEnd::Landed);
        EXPECT_LT(Rel(e.landing.x, double(r.landing.x)), 1e-12);
        EXPECT_LT(Rel(e.landing.t, double(r.landing.t)), 1e-12);
        EXPECT_LT(Rel(e.apex.y, double(r.apex.y)), 1e-12);
    }
}

// A rise of a tenth of a millimetre from 1000 m keeps its own digits, which the apex's height
// alone (a thousand metres and a little) cannot: the flight and the solver of a height both
// work with the rise, and a height given exactly gives the speed to the last digits.
TEST(AirSolve, AHeightJustAboveAHighLaunchKeepsItsDigits) {
    const double g = 9.81, k = 0.0063, y0 = 1000, rise = 1.0 / 8192;  // h - y0 exact
    const double vo = std::sqrt(g * std::expm1(2 * k * rise) / k);
    FlightEvents e;
    ASSERT_EQ(FlyT<double>(g, k, y0, 0, vo, kFlightTolerance, e, nullptr), FlightEnd::Landed);
    EXPECT_LT(Rel(e.rise, rise), 1e-13);
    const Conditions c = Drag(k, g);
    ConditionsCase solved;
    AirLimit limit;
    double bound;
    ASSERT_EQ(SolveCaseUnder(c, GiveCase(ParamAngle, 90, ParamHeight, y0 + rise, y0), solved, limit, bound),
              SolveResult::Solved);
    EXPECT_LT(Rel(solved.solution.values[ParamVo], vo), 1e-12);
}

// Every pair of a flown launch gives the launch back.
TEST(AirSolve, EveryPairGivesTheFlownLaunchBack) {
    const struct {
        const char* label;
        Conditions c;
        double y0, vx, vy;
    } cases[] = {{"baseball 40 at 45", Ball(0), 0, 28.284271247461902, 28.284271247461902},
                 {"golf from 10 m", Ball(1), 10, 60, 15},
                 {"table tennis on Mars", Ball(4, 2), 1.5, 12, 9},
                 {"shot put", Ball(6), 2.1, 9.5, 9},
                 {"football downward from 20 m", Ball(2), 20, 15, -3}};
    for (const auto& c : cases) {
        FlightPath path;
        ASSERT_TRUE(FlyPath(c.c, c.y0, c.vx, c.vy, path));
        Solution truth;
        ASSERT_TRUE(CompleteAir(GiveCase(ParamVx, c.vx, ParamVy0, c.vy, c.y0), c.vx, c.vy, path, truth));
        for (const auto& pair : kAdmissiblePairs) {
            SCOPED_TRACE(std::string(c.label) + " pair " + std::to_string(pair[0]) + std::to_string(pair[1]));
            if ((pair[0] == ParamVy0 || pair[1] == ParamVy0) && c.vy <= 0) continue;  // not positive
            if (pair[1] == ParamHeight && c.vy <= 0) continue;  // the height is the launch height
            if (pair[0] == ParamVo && pair[1] == ParamVx && c.vy < 0) continue;  // Vo and Vx mean upward
            const GivenData given = GiveCase(pair[0], truth.values[pair[0]], pair[1], truth.values[pair[1]], c.y0);
            ASSERT_TRUE(CheckCase(c.c, given).empty());
            ConditionsCase solved;
            AirLimit limit;
            double bound;
            ASSERT_EQ(SolveCaseUnder(c.c, given, solved, limit, bound), SolveResult::Solved);
            const Solution& s = solved.twoLaunches && Rel(solved.other.values[ParamAngle], truth.values[ParamAngle]) < 1e-6
                                    ? solved.other
                                    : solved.solution;
            for (int p = 1; p <= kParamCount; ++p) {
                const double tolerance = std::fabs(truth.values[p]) < 1e-9 ? 1e-9 : 1e-10 * std::fabs(truth.values[p]);
                EXPECT_NEAR(s.values[p], truth.values[p], tolerance) << "param " << p;
            }
        }
    }
}

// As the drag vanishes, every pair gives the vacuum's values.
TEST(AirSolve, VanishingDragGivesTheVacuumValues) {
    for (double y0 : {0.0, 12.0}) {
        const Solution vacuum = SolvedCase(ParamVo, 25, ParamAngle, 35, y0);
        for (const auto& pair : kAdmissiblePairs) {
            SCOPED_TRACE(std::to_string(y0) + " pair " + std::to_string(pair[0]) + std::to_string(pair[1]));
            const GivenData given = GiveCase(pair[0], vacuum.values[pair[0]], pair[1], vacuum.values[pair[1]], y0);
            ConditionsCase solved;
            AirLimit limit;
            double bound;
            ASSERT_EQ(SolveCaseUnder(Drag(1e-12), given, solved, limit, bound), SolveResult::Solved);
            for (int p = 1; p <= kParamCount; ++p)
                EXPECT_LT(Rel(solved.solution.values[p], vacuum.values[p]), 1e-8) << "param " << p;
        }
    }
}

TEST(AirSolve, FindsTwoLaunchesWhereDragMakesTwo) {
    const struct {
        const char* label;
        Conditions c;
        int first;
        double a;
        int second;
        double b;
        bool two;
    } cases[] = {
        {"Vo with reach, as in a vacuum", Ball(0), ParamVo, 40, ParamReach, 80, true},
        // Without air a given Vx reaches any distance with one launch; with air a steep launch
        // loses its horizontal speed, so a shorter reach is met twice.
        {"Vx with reach", Ball(0), ParamVx, 20, ParamReach, 40, true},
        {"Vx with reach in a vacuum", Conditions(), ParamVx, 20, ParamReach, 40, false},
        {"angle with reach", Ball(0), ParamAngle, 30, ParamReach, 60, false},
        {"Vo with height", Ball(0), ParamVo, 40, ParamHeight, 20, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ConditionsCase solved;
        AirLimit limit;
        double bound;
        ASSERT_EQ(SolveCaseUnder(c.c, GiveCase(c.first, c.a, c.second, c.b), solved, limit, bound), SolveResult::Solved);
        EXPECT_EQ(solved.twoLaunches, c.two);
        if (!c.two) continue;
        // The flatter is shown; both land where asked.
        EXPECT_LT(solved.solution.values[ParamAngle], solved.other.values[ParamAngle]);
        EXPECT_LT(Rel(solved.other.values[ParamReach], c.b), 1e-12);
        EXPECT_LT(Rel(solved.path.events.landing.x, c.b), 1e-12);
        EXPECT_LT(Rel(solved.otherPath.events.landing.x, c.b), 1e-12);
    }
}

// Without the other launch (the command line's way) the launch shown is the same, and the path
// kept from the search is the one the launch flies.
TEST(AirSolve, TheShownLaunchNeedsNotTheOther) {
    const struct {
        const char* label;
        Conditions c;
        int first;
        double a;
        int second;
        double b, y0;
    } cases[] = {{"Vo with reach", Ball(0), ParamVo, 40, ParamReach, 80, 0},
                 {"Vx with reach, from 12 m", Ball(1, 2), ParamVx, 20, ParamReach, 40, 12},
                 {"angle with time, downward", Ball(4, 1), ParamAngle, -4.0681374755664876, ParamTime, 10.551851163090888,
                  29.5712},
                 {"Vo with height", Ball(3), ParamVo, 30, ParamHeight, 12, 1},
                 {"reach with time", Ball(5), ParamReach, 30, ParamTime, 3, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const GivenData given = GiveCase(c.first, c.a, c.second, c.b, c.y0);
        ConditionsCase both, shown;
        AirLimit limit;
        double bound;
        ASSERT_EQ(SolveCaseUnder(c.c, given, both, limit, bound), SolveResult::Solved);
        ASSERT_EQ(SolveCaseUnder(c.c, given, shown, limit, bound, false), SolveResult::Solved);
        EXPECT_FALSE(shown.twoLaunches);
        for (int p = 1; p <= kParamCount; ++p) EXPECT_EQ(shown.solution.values[p], both.solution.values[p]) << p;
        for (const ConditionsCase* solved : {&both, &shown}) {
            FlightPath fresh;
            const double* v = solved->solution.values;
            ASSERT_TRUE(FlyPath(c.c, c.y0, v[ParamVx], v[ParamVy0], fresh));
            EXPECT_EQ(solved->path.pieces.size(), fresh.pieces.size());
            EXPECT_EQ(solved->path.events.landing.x, fresh.events.landing.x);
            EXPECT_EQ(solved->path.events.landing.t, fresh.events.landing.t);
        }
    }
}

// At a given Vy0 a faster Vx always carries farther (the reach grows as the log of Vx), so
// there is no greatest reach to refuse with: the reach of 2e8 m/s is met, and one that would
// take more than light's speed is refused as beyond the numerics, not as a bound.
TEST(AirSolve, AGivenVy0ReachesAnyDistance) {
    const Conditions golf = Ball(1);
    double last = 0;
    for (double vx : {10.0, 1e2, 1e3, 1e4, 1e6, 2e8}) {
        FlightEvents e;
        ASSERT_EQ(Fly(golf, 0, vx, 10, e), FlightEnd::Landed);
        EXPECT_GT(e.landing.x, last) << vx;
        last = e.landing.x;
    }
    ConditionsCase solved;
    AirLimit limit;
    double bound;
    ASSERT_EQ(SolveCaseUnder(golf, GiveCase(ParamVy0, 10, ParamReach, last), solved, limit, bound),
              SolveResult::Solved);
    EXPECT_LT(Rel(solved.solution.values[ParamVx], 2e8), 1e-10);
    EXPECT_EQ(SolveCaseUnder(golf, GiveCase(ParamVy0, 10, ParamReach, 1.1 * last), solved, limit, bound),
              SolveResult::NoLanding);
    EXPECT_EQ(limit, AirLimit::NotSettled);
}

// Cases that only launches beyond light's speed or beyond any number of steps could meet are
// refused as beyond the numerics, at once (a search of them used to run for minutes).
TEST(AirSolve, CasesBeyondTheNumericsAreRefusedAsSuch) {
    Conditions slow = Ball(6);
    slow.g = 1e-3;
    slow.world = kWorldOther;
    const struct {
        const char* label;
        Conditions c;
        GivenData given;
    } cases[] = {{"a reach of 1e10 m in 0.03 s", Ball(5), GiveCase(ParamReach, 1e10, ParamTime, 0.0312323, 5)},
                 {"a reach of 1e-300 m rising 40 m under g 0.001", slow, GiveCase(ParamReach, 1e-300, ParamHeight, 39.7805)},
                 {"Vo 1e300", Ball(0), GiveCase(ParamVo, 1e300, ParamAngle, 45)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ConditionsCase solved;
        AirLimit limit;
        double bound;
        EXPECT_EQ(SolveCaseUnder(c.c, c.given, solved, limit, bound), SolveResult::NoLanding);
        EXPECT_EQ(limit, AirLimit::NotSettled);
    }
}

// Launched slightly downward, a faster throw first falls slower (the drag on its mostly
// horizontal speed holds the fall back), then sooner: one time of flight fits two speeds.
TEST(AirSolve, FindsTheTwoSpeedsOfADownwardLaunchWithItsTime) {
    ConditionsCase solved;
    AirLimit limit;
    double bound;
    const GivenData given = GiveCase(ParamAngle, -4.0681374755664876, ParamTime, 10.551851163090888, 29.5712);
    ASSERT_EQ(SolveCaseUnder(Ball(4, 1), given, solved, limit, bound), SolveResult::Solved);
    ASSERT_TRUE(solved.twoLaunches);
    // Near 16 and 76 m/s; each flies exactly that long.
    EXPECT_NEAR(solved.solution.values[ParamVo], 16.1, 0.1);
    EXPECT_NEAR(solved.other.values[ParamVo], 75.6, 0.1);
    EXPECT_LT(Rel(solved.path.events.landing.t, 10.551851163090888), 1e-12);
    EXPECT_LT(Rel(solved.otherPath.events.landing.t, 10.551851163090888), 1e-12);
}

// A value just inside what a launch can reach is solved; just beyond it is refused with the
// bound in the message.
TEST(AirSolve, RefusesJustBeyondTheReachable) {
    const Conditions baseball = Ball(0);
    const double k = DragConstant(baseball), g = baseball.g;
    // The greatest reach at 20 m/s, found by the check.
    const auto beyond = CheckCase(baseball, GiveCase(ParamVo, 20, ParamReach, 1000));
    ASSERT_EQ(beyond.size(), 1u);
    ASSERT_EQ(beyond[0].fault, DataFault::ReachAboveBound);
    const double greatest = beyond[0].bound;
    EXPECT_LT(greatest, 20 * 20 / 9.81);
    const double top = VerticalRiseHeight(g, k, 20);
    const double longest = VerticalRiseTime(g, k, 20) + FallTimeFromRest(g, k, top);
    const double shortest = FallTimeDownward(g, k, 20, 10);
    const struct {
        const char* label;
        int second;
        double bound, y0;
        DataFault fault;
        double side;  // +1 beyond above, -1 beyond below
    } cases[] = {{"reach", ParamReach, greatest, 0, DataFault::ReachAboveBound, 1},
                 {"height", ParamHeight, top, 0, DataFault::HeightAboveBound, 1},
                 {"time", ParamTime, longest, 0, DataFault::TimeAboveBound, 1},
                 {"time from 10 m", ParamTime, shortest, 10, DataFault::TimeBelowBound, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const double inside = c.bound * (1 - c.side * 1e-7), outside = c.bound * (1 + c.side * 1e-9);
        EXPECT_TRUE(CheckCase(baseball, GiveCase(ParamVo, 20, c.second, inside, c.y0)).empty());
        ConditionsCase solved;
        AirLimit limit;
        double b;
        EXPECT_EQ(SolveCaseUnder(baseball, GiveCase(ParamVo, 20, c.second, inside, c.y0), solved, limit, b),
                  SolveResult::Solved);
        const auto faults = CheckCase(baseball, GiveCase(ParamVo, 20, c.second, outside, c.y0));
        ASSERT_EQ(faults.size(), 1u);
        EXPECT_EQ(faults[0].fault, c.fault);
        EXPECT_LT(Rel(faults[0].bound, c.bound), 1e-9);
    }
    // Vx with a reach beyond what that horizontal speed carries.
    ConditionsCase solved;
    AirLimit limit;
    double bound;
    EXPECT_EQ(SolveCaseUnder(baseball, GiveCase(ParamVx, 20, ParamReach, 500), solved, limit, bound),
              SolveResult::NoLanding);
    EXPECT_EQ(limit, AirLimit::ReachWithVx);
    EXPECT_GT(bound, 40);
    EXPECT_EQ(SolveCaseUnder(baseball, GiveCase(ParamVx, 20, ParamReach, bound * (1 - 1e-7)), solved, limit, bound),
              SolveResult::Solved);
}

TEST(OtherGravity, VacuumValuesFollowTheirGravity) {
    for (int world = 0; world < kWorldCount; ++world) {
        SCOPED_TRACE(kWorlds[world].key);
        const double g = kWorlds[world].g;
        ConditionsCase solved;
        AirLimit limit;
        double bound;
        ASSERT_EQ(SolveCaseUnder(WorldConditions(world), GiveCase(ParamVo, 20, ParamAngle, 30, 5), solved, limit, bound),
                  SolveResult::Solved);
        const double vx = 20 * std::cos(M_PI / 6), vy = 10, t = (vy + std::sqrt(vy * vy + 2 * g * 5)) / g;
        EXPECT_LT(Rel(solved.solution.values[ParamTime], t), 1e-14);
        EXPECT_LT(Rel(solved.solution.values[ParamReach], vx * t), 1e-14);
        EXPECT_LT(Rel(solved.solution.values[ParamHeight], 5 + vy * vy / (2 * g)), 1e-14);
        const TrajectoryPoint p = PointAtTime(solved, 1);
        EXPECT_LT(Rel(p.y, 5 + vy - g / 2), 1e-14);
        // The bound of the checks is the world's: Vo^2/g from the ground.
        EXPECT_TRUE(CheckCase(WorldConditions(world), GiveCase(ParamVo, 20, ParamReach, 400 / g * (1 - 1e-12))).empty());
        EXPECT_FALSE(CheckCase(WorldConditions(world), GiveCase(ParamVo, 20, ParamReach, 400 / g * (1 + 1e-12))).empty());
    }
}

TEST(AirPoint, QuestionsMeetTheIntegratedPath) {
    ConditionsCase solved;
    AirLimit limit;
    double bound;
    ASSERT_EQ(SolveCaseUnder(Ball(0), GiveCase(ParamVo, 40, ParamAngle, 45), solved, limit, bound), SolveResult::Solved);
    const Solution& s = solved.solution;
    TrajectoryPoint one, two;
    int count = 0;
    PointRange range;
    // The time of half the reach, asked back by that time, gives the same point.
    ASSERT_EQ(AnswerPointUnder(solved, 1, s.values[ParamReach] / 2, one, two, count, range), PointDone);
    TrajectoryPoint back, unused;
    ASSERT_EQ(AnswerPointUnder(solved, 5, one.t, back, unused, count, range), PointDone);
    EXPECT_LT(Rel(back.x, one.x), 1e-13);
    // A height under the apex is passed twice; the descent is the longer part of the flight.
    ASSERT_EQ(AnswerPointUnder(solved, 2, 10, one, two, count, range), PointDone);
    ASSERT_EQ(count, 2);
    EXPECT_GT(two.t - s.apexTime, s.apexTime - one.t);
    EXPECT_NEAR(one.y, 10, 0);
    EXPECT_LT(std::fabs(two.y - 10), 1e-12);
    // The least speed is on the way down; below it no point; beyond the landing none either.
    const FlightState slowest = SlowestPoint(solved.path);
    EXPECT_GT(slowest.t, s.apexTime);
    EXPECT_EQ(AnswerPointUnder(solved, 4, std::hypot(slowest.vx, slowest.vy) - 0.01, one, two, count, range),
              PointBelowVx);
    EXPECT_EQ(AnswerPointUnder(solved, 1, s.values[ParamReach] + 1, one, two, count, range), PointOutOfRange);
    EXPECT_TRUE(range.outside);
    EXPECT_EQ(range.high, s.values[ParamReach]);
}

}  // namespace
