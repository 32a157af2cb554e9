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
        {"a small case: three significant digits", SolvedCase(ParamVo, 0.5, ParamAngle, 45), nullptr,
         "Lands 0.0255 m away after 0.0721 s; highest 0.00637 m at 0.0360 s"},
        {"a tiny one, never 0.000", SolvedCase(ParamVo, 0.001, ParamAngle, 45), nullptr,
         "Lands 1.019e-7 m away after 0.000144 s; highest 2.548e-8 m at 0.000072 s"},
        {"Vo 1e-19", SolvedCase(ParamVo, 1e-19, ParamAngle, 45), nullptr,
         "Lands 1.019e-39 m away after 1.442e-20 s; highest 2.548e-40 m at 7.208e-21 s"},
        {"seven: four significant digits", SolvedCase(ParamVo, 5000, ParamAngle, 45), nullptr,
         "Lands 2.548e6 m away after 720.802 s; highest 637104.995 m at 360.401 s"},
        {"Vo 1e150", SolvedCase(ParamVo, 1e150, ParamAngle, 45), nullptr,
         "Lands 1.019e299 m away after 1.442e149 s; highest 2.548e298 m at 7.208e148 s"},
    };
    for (const auto& c : cases) EXPECT_EQ(CaseStatusText(c.solution, c.steeper, kEnglish), c.text) << c.label;
}

// Each figure keeps three significant digits at its quantity's scale, so what is small beside
// it (Vy at the apex) still reads 0.
TEST(StatusText, ThePointAndThePlaysTimeScale) {
    const Solution s = SolvedCase(ParamVo, 20, ParamAngle, 45);
    const Solution tiny = SolvedCase(ParamVo, 1e-19, ParamAngle, 45);
    const TrajectoryPoint apex = {20.387, 10.194, -0.001, 14.142, 1.442};
    const TrajectoryPoint late = {28.284, 8.66, -5.476, 15.17, 2};
    const TrajectoryPoint tinyPoint = {5.1e-40, 2.5e-40, -3e-37, 7.071e-20, 7.2e-21};
    const struct {
        const char* label;
        const Solution& solution;
        TrajectoryPoint point;
        double scale;
        const char* text;
    } cases[] = {
        {"hover at the apex: Vy rounds to 0.00, unsigned", s, apex, 1,
         "x 20.39 m   y 10.19 m   Vy 0.00 m/s   |V| 14.14 m/s   t 1.44 s"},
        {"playing in real time", s, late, 1, "x 28.28 m   y 8.66 m   Vy -5.48 m/s   |V| 15.17 m/s   t 2.00 s"},
        {"a short flight slowed down", s, late, 0.25,
         "x 28.28 m   y 8.66 m   Vy -5.48 m/s   |V| 15.17 m/s   t 2.00 s  (\xD7" "0.25)"},
        {"a long flight sped up", s, late, 4, "x 28.28 m   y 8.66 m   Vy -5.48 m/s   |V| 15.17 m/s   t 2.00 s  (\xD7" "4)"},
        {"a tiny case", tiny, tinyPoint, 1.44e-20,
         "x 5.1e-40 m   y 2.5e-40 m   Vy 0 m/s   |V| 7.071e-20 m/s   t 7.2e-21 s  (\xD7" "1.4e-20)"},
    };
    for (const auto& c : cases) EXPECT_EQ(PlayStatusText(c.point, c.solution, c.scale, kEnglish), c.text) << c.label;
    EXPECT_EQ(PointStatusText(late, s, kEnglish), PlayStatusText(late, s, 1, kEnglish));
}

// A clock that does not run in real time never reads 1 or 0.
TEST(StatusText, TimeScaleHasTheDigitsItNeeds) {
    const struct {
        double scale;
        const char* text;
    } cases[] = {{0.25, "0.25"}, {0.05, "0.05"}, {0.0123, "0.012"}, {0.000144, "0.00014"}, {4, "4"},
                 {12.5, "12.5"}, {3.14159, "3.14"}, {1234.5678, "1234.57"}, {0.997, "0.997"},
                 {8.03 / 8, "1.004"}, {0.99999, "0.99999"}, {1.0000000125, "1.00000001"},
                 {1.4416e-20, "1.4e-20"}, {1.8e148, "1.8e148"}};
    for (const auto& c : cases) EXPECT_EQ(TimeScaleText(c.scale), c.text) << c.scale;
}

}  // namespace
