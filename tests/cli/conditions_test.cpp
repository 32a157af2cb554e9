// The command line's conditions: gravity and air as options and as batch columns, their
// refusals and the JSON members they add; without them the output is the vacuum's, unchanged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/command_line.h"

namespace {

CommandResult RunArgs(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    return RunCommandLine(views);
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

TEST(CommandLineConditions, RefusalsAndUsageErrors) {
    const struct {
        const char* label;
        std::vector<std::string> args;
        int status;
        std::string firstLine;
    } cases[] = {
        {"unknown object", {"vo=20", "angle=45", "--object", "brick"}, 2,
         "unknown object: brick (objects: baseball, golf, football, tennis, table-tennis, basketball, shot-put)"},
        {"cd alone", {"vo=20", "angle=45", "--cd", "0.3"}, 2, "cd, diameter and mass go together (or name an object)"},
        {"rho without air", {"vo=20", "angle=45", "--rho", "1.2"}, 2,
         "rho needs air: name an object or give cd, diameter and mass"},
        {"g not a number", {"vo=20", "angle=45", "--g", "mars"}, 2, "wrong value: g"},
        {"g zero", {"vo=20", "angle=45", "--g", "0"}, 1, "Gravity and air: g must be a number above 0 (m/s\xC2\xB2)"},
        {"negative mass", {"vo=20", "angle=45", "--object", "golf", "--mass", "-1"}, 1,
         "Gravity and air: The mass must be a number above 0 (kg)"},
        {"reach beyond the air's bound", {"vo=20", "reach=40", "--object", "baseball"}, 1,
         "* Errors in the data *: With this air resistance, 20 m/s carries at most 34.185 m"},
        {"reach beyond what Vx carries", {"vx=20", "reach=200", "--object", "baseball"}, 1,
         "No solution: With this air resistance, Vx 20 m/s carries at most 88.506 m"},
        {"vacuum bound on the Moon", {"vo=20", "reach=300", "--g", "1.62"}, 1,
         "* Errors in the data *: The reach cannot overcome Vo\xC2\xB2/g"},
        {"a point beyond the landing", {"vo=20", "angle=45", "--object", "baseball", "--point", "t=9"}, 1,
         "Outside the path: With air the path is known from the launch to the landing: t must be between 0.00 and "
         "2.74 s"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const CommandResult r = RunArgs(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(FirstLine(r.err), c.firstLine);
    }
}

TEST(CommandLineConditions, JsonNamesTheConditionsOnlyWhenGiven) {
    const std::string plain = RunArgs({"--json", "vo=20", "angle=45"}).out;
    EXPECT_EQ(plain.find("\"g\""), std::string::npos);
    const std::string earth = RunArgs({"--json", "vo=20", "angle=45", "--g", "9.81"}).out;
    EXPECT_EQ(earth, plain.substr(0, plain.size() - 2) + ",\"g\":9.81}\n");
    const std::string air = RunArgs({"--json", "vo=40", "angle=45", "--object", "baseball"}).out;
    EXPECT_NE(air.find(",\"g\":9.81,\"cd\":0.35,\"diameter\":0.0737,\"mass\":0.145,\"rho\":1.225,\"k\":0.0063071"),
              std::string::npos);
    EXPECT_NE(air.find("\"vt\":39.438"), std::string::npos);
}

TEST(CommandLineConditions, BatchColumnsGiveEachRowItsConditions) {
    const std::string input =
        "vo,angle,g,object,cd,diameter,mass,rho\n"
        "40,45,,,,,,\n"            // Earth without air
        "40,45,1.62,,,,,\n"        // the Moon
        "40,45,,baseball,,,,\n"    // a baseball
        "40,45,,,0.35,0.0737,0.145,\n"  // the same ball by its values
        "40,45,,baseball,,,,0.6\n" // thinner air carries further
        "40,45,,,0.35,,,\n";       // Cd without the rest
    std::size_t at = 0;
    std::string out, error;
    const int status = RunBatch(
        [&](char* buffer, std::size_t size) {
            const std::size_t n = std::min(size, input.size() - at);
            input.copy(buffer, n, at);
            at += n;
            return n;
        },
        [&](std::string_view text) { return out.append(text), true; }, error);
    ASSERT_EQ(status, 0);
    std::vector<std::string> rows;
    for (std::size_t from = 0, end; (end = out.find('\n', from)) != std::string::npos; from = end + 1)
        rows.push_back(out.substr(from, end - from));
    ASSERT_EQ(rows.size(), 7u);
    auto reach = [&](int row) { return std::stod(rows[row].substr(rows[row].find(',', rows[row].find(',', rows[row].find(',', rows[row].find(',') + 1) + 1) + 1) + 1)); };
    EXPECT_NEAR(reach(1), 1600 / 9.81, 1e-9);
    EXPECT_NEAR(reach(2), 1600 / 1.62, 1e-9);
    EXPECT_NEAR(reach(3), 95.04231801617358, 1e-9);
    EXPECT_EQ(rows[4], rows[3]);
    EXPECT_GT(reach(5), reach(3));
    EXPECT_EQ(rows[6], ",,,,,,,,\"cd, diameter and mass go together (or name an object)\"");
}

}  // namespace
