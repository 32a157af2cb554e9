// The command line: every exit status with what it writes, and the three forms of a solved case.
#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "physics/point.h"
#include "tests/support/motion_cases.h"
#include "version.h"

namespace {

CommandResult RunArgs(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    return RunCommandLine(views);
}

std::string Shortest(double x) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, x).ptr);
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

std::size_t LineCount(const std::string& text) {
    std::size_t n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

TEST(CommandLine, EveryFailureItsStatusAndItsLine) {
    const struct {
        const char* label;
        std::vector<std::string> args;
        int status;
        std::string firstLine;  // of standard error
    } cases[] = {
        {"nothing", {}, 2, "nothing to solve: give two values as NAME=VALUE"},
        {"one value", {"vo=20"}, 2, "Insufficient data: 2 data are needed"},
        {"three values", {"vo=20", "angle=45", "t=2"}, 2, "The number of data must be 2: 3 are given"},
        {"unknown name", {"vo=20", "speed=3"}, 2, "unknown name: speed (names: vo angle vx vy0 reach height t)"},
        {"the launch height as a name", {"vo=20", "angle=45", "Y0=3"}, 2,
         "unknown name: Y0 (the launch height is --y0 METRES)"},
        {"a name twice, in two letter cases", {"VO=20", "vo=3"}, 2, "vo is given twice"},
        {"an empty value", {"vo=", "angle=45"}, 2, "vo= has no value"},
        {"no =", {"vo=20", "angle45"}, 2, "not NAME=VALUE: angle45"},
        {"not a number", {"vo=20", "angle=4,5"}, 2, "wrong value: to angle"},
        {"launch height not a number", {"vo=20", "angle=45", "--y0", "ten"}, 2, "wrong value: to launch height"},
        {"option without its value", {"vo=20", "angle=45", "--y0"}, 2, "--y0 needs a value"},
        {"an option's empty value", {"vo=20", "angle=45", "--y0="}, 2, "--y0 needs a value"},
        {"an empty argument as the value", {"--y0", "", "vo=20", "angle=45"}, 2, "--y0 needs a value"},
        {"a point without its question", {"vo=20", "angle=45", "--point= "}, 2, "--point needs a value"},
        {"a batch without its file", {"--batch="}, 2, "--batch needs a value"},
        {"a tab alone is no value", {"vo=\t", "angle=45"}, 2, "vo=\t has no value"},
        {"option twice", {"--y0=1", "vo=20", "angle=45", "--y0", "2"}, 2, "--y0 is given twice"},
        {"unknown option", {"vo=20", "angle=45", "--metric"}, 2, "unknown option: --metric"},
        {"--json with a value", {"vo=20", "angle=45", "--json=yes"}, 2, "--json takes no value"},
        {"unknown point name", {"vo=20", "angle=45", "--point", "z=1"}, 2, "unknown point name: z (names: x y vy v t)"},
        {"point without =", {"vo=20", "angle=45", "--point", "y"}, 2, "--point needs NAME=VALUE: y"},
        {"point not a number", {"vo=20", "angle=45", "--point", "y=five"}, 2, "wrong value: to y"},
        {"batch with a case", {"--batch", "rows.csv", "vo=20"}, 2, "--batch takes no other arguments"},
        {"indeterminate pair", {"vy0=5", "height=3"}, 1,
         "Indeterminate case: Since Vy0 and height or time only depend to each other"},
        {"no solution", {"vx=10", "vy0=2", "--y0", "-5"}, 1, "No solution: The path never comes down to the ground (y = 0)"},
        {"refused point", {"vo=20", "angle=45", "--point", "y=11"}, 1, "Wrong Y coordinate: Y must be <= maximum Height"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const CommandResult r = RunArgs(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_FALSE(r.batch);
        EXPECT_EQ(FirstLine(r.err), c.firstLine);
        EXPECT_EQ(r.out, "");
        // A usage error says what is wrong, then how to call; a refusal is one line.
        EXPECT_EQ(LineCount(r.err), static_cast<std::size_t>(c.status));
        if (c.status == 2) {
            EXPECT_EQ(r.err.substr(r.err.find('\n') + 1, 20), "usage: ovanta-solve ");
        }
    }
}

TEST(CommandLine, VersionAndBatchAreAnsweredBeforeAnyCase) {
    const CommandResult version = RunArgs({"vo=20", "--version"});
    EXPECT_EQ(version.out, std::string("ovanta-solve (Ovanta shot) ") + OVANTA_VERSION_TEXT + "\n");
    for (const auto& [args, file] : {std::pair{std::vector<std::string>{"--batch", "-"}, "-"},
                                     std::pair{std::vector<std::string>{"--batch=rows.csv"}, "rows.csv"}}) {
        const CommandResult batch = RunArgs(args);
        EXPECT_TRUE(batch.batch);
        EXPECT_EQ(batch.status, 0);
        EXPECT_EQ(batch.batchFile, file);
    }
}

TEST(CommandLine, ShownValuesAndPointsWithTheDialogsDecimals) {
    const std::string seven =
        "vo 20.000\nangle 45.000\nvx 14.142\nvy0 14.142\nreach 40.775\nheight 10.194\nt 2.883\n";
    const struct {
        const char* label;
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {"letter case, --name=value", {"VO=20", "Angle=45", "--y0=0"}, seven},
        {"a point with one passage", {"vo=20", "angle=45", "--point", "x=10"},
         seven + "point x 10.00 y 7.55 vy 7.21 v 15.87 t 0.71\n"},
        {"a height passed twice", {"vo=20", "angle=45", "--point", "Y=5"},
         seven + "point x 5.84 y 5.00 vy 10.09 v 17.38 t 0.41\npoint2 x 34.94 y 5.00 vy -10.09 v 17.38 t 2.47\n"},
        {"a given -0 is shown as 0", {"vo=20", "angle=-0"},
         "vo 20.000\nangle 0.000\nvx 20.000\nvy0 0.000\nreach 0.000\nheight 0.000\nt 0.000\n"},
        // The solver's angle and Vy0 come out a rounding below zero here.
        {"values that round to zero have no sign", {"vx=10", "reach=20", "--y0", "19.62"},
         "vo 10.000\nangle 0.000\nvx 10.000\nvy0 0.000\nreach 20.000\nheight 19.620\nt 2.000\n"},
        {"nor the point's", {"vo=20", "angle=45", "--point", "t=1.4416"},
         seven + "point x 20.39 y 10.19 vy 0.00 v 14.14 t 1.44\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const CommandResult r = RunArgs(c.args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, c.out);
    }
}

// Every value is the solver's double in the shortest text that reads back to it.
TEST(CommandLine, JsonHoldsTheSolversValuesInOrder) {
    const CommandResult r = RunArgs({"--json", "vo=20", "angle=45", "--y0", "10", "--point", "v=15"});
    const Solution s = SolvedCase(ParamVo, 20, ParamAngle, 45, 10);
    TrajectoryPoint one, two;
    int count = 0;
    ASSERT_EQ(AnswerPoint(s, 4, 15, one, two, count), PointDone);
    std::string expected = "{\"vo\":20,\"angle\":45,\"vx\":" + Shortest(s.values[ParamVx]) +
                           ",\"vy0\":" + Shortest(s.values[ParamVy0]) + ",\"reach\":" + Shortest(s.values[ParamReach]) +
                           ",\"height\":" + Shortest(s.values[ParamHeight]) + ",\"t\":" + Shortest(s.values[ParamTime]) +
                           ",\"y0\":10";
    for (const auto& [name, p] : {std::pair{"point", one}, std::pair{"point2", two}}) {
        expected += ",\"" + std::string(name) + "\":{\"x\":" + Shortest(p.x) + ",\"y\":" + Shortest(p.y) +
                    ",\"vy\":" + Shortest(p.vy) + ",\"v\":" + Shortest(p.speed) + ",\"t\":" + Shortest(p.t) + "}";
    }
    EXPECT_EQ(r.out, expected + "}\n");
}

}  // namespace
