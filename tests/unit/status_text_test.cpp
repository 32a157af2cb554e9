// The status line's words: the case, a point, the ball's point with the play's time scale.
#include <gtest/gtest.h>

#include "physics/motion.h"
#include "tests/support/motion_cases.h"
#include "text/number_text.h"
#include "text/status_text.h"

namespace {

TEST(StatusText, PlainNumbersNeverShowMinusZero) {
    const struct {
        double value;
        unsigned decimals;
        const char* text;
    } cases[] = {{0, 2, "0.00"},      {-0.0, 2, "0.00"},   {-0.004, 2, "0.00"}, {-0.005, 2, "-0.01"},
                 {-3.2, 2, "-3.20"},  {12.345, 2, "12.35"}, {-0.0004, 3, "0.000"}, {40.7747, 3, "40.775"},
                 {123456789, 2, "123456789.00"}};
    for (const auto& c : cases) EXPECT_EQ(FormatPlain(c.value, c.decimals), c.text) << c.value;
}

TEST(StatusText, TheCaseInWords) {
    const Solution steep = SolvedCase(ParamVo, 20, ParamReach, 20);
    Solution steeper = {};
    ASSERT_EQ(SolveSteeperCase(GiveCase(ParamVo, 20, ParamReach, 20), steeper), SolveResult::Solved);
    const struct {
        const char* label;
        Solution solution;
        const Solution* steeper;
        const char* text;
    } cases[] = {
        {"upward from the ground", SolvedCase(ParamVo, 20, ParamAngle, 45), nullptr,
         "Lands 40.775 m away after 2.883 s; highest 10.194 m at 1.442 s"},
        {"downward from 10 m: highest at the launch", SolvedCase(ParamVo, 20, ParamAngle, -30, 10), nullptr,
         "Lands 12.731 m away after 0.735 s; highest 10.000 m at 0.000 s"},
        {"Vo with reach: the other angle", steep, &steeper,
         "Lands 20.000 m away after 1.034 s; highest 1.310 m at 0.517 s; also lands there at 75.313\xB0"},
    };
    for (const auto& c : cases) EXPECT_EQ(CaseStatusText(c.solution, c.steeper, kEnglish), c.text) << c.label;
}

TEST(StatusText, ThePointAndThePlaysTimeScale) {
    const TrajectoryPoint apex = {20.387, 10.194, -0.001, 14.142, 1.442};
    const TrajectoryPoint late = {28.284, 8.66, -5.476, 15.17, 2};
    const struct {
        const char* label;
        TrajectoryPoint point;
        double scale;
        const char* text;
    } cases[] = {
        {"hover at the apex: Vy rounds to 0.00, unsigned", apex, 1,
         "x 20.39 m   y 10.19 m   Vy 0.00 m/s   |V| 14.14 m/s   t 1.44 s"},
        {"playing in real time", late, 1, "x 28.28 m   y 8.66 m   Vy -5.48 m/s   |V| 15.17 m/s   t 2.00 s"},
        {"a short flight slowed down", late, 0.25,
         "x 28.28 m   y 8.66 m   Vy -5.48 m/s   |V| 15.17 m/s   t 2.00 s  (\xD7" "0.25)"},
        {"a long flight sped up", late, 4, "x 28.28 m   y 8.66 m   Vy -5.48 m/s   |V| 15.17 m/s   t 2.00 s  (\xD7" "4)"},
    };
    for (const auto& c : cases) EXPECT_EQ(PlayStatusText(c.point, c.scale, kEnglish), c.text) << c.label;
    EXPECT_EQ(PointStatusText(late, kEnglish), PlayStatusText(late, 1, kEnglish));
}

TEST(StatusText, TimeScaleKeepsTwoSignificantDigits) {
    const struct {
        double scale;
        const char* text;
    } cases[] = {{0.25, "0.25"}, {0.05, "0.05"}, {0.0123, "0.012"}, {0.000144, "0.00014"}, {4, "4"},
                 {12.5, "12.5"}, {1.0000000125, "1"}, {3.14159, "3.14"}};
    for (const auto& c : cases) EXPECT_EQ(TimeScaleText(c.scale), c.text) << c.scale;
}

}  // namespace
