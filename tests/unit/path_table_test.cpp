// The path table: its rows against the point equations, its bytes against golden files, and
// the export through the save dialog with a failure injected at every step.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "table/path_table.h"
#include "text/words.h"
#include "tests/support/fake_dialog.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_pickers.h"
#include "tests/support/fake_system.h"
#include "tests/support/main_dialog_fake.h"
#include "tests/support/motion_cases.h"

namespace {

const char kStart[] = "C:\\Work";
const char kTable[] = "C:\\Data\\path.csv";

std::string Golden(const std::string& name) {
    std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("/unit/")) + "/data/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Each row against the point equations evaluated here in extended precision from the solved
// launch: x = Vx t, y = Y0 + Vy0 t - g t^2 / 2, Vy = Vy0 - g t, |V| = sqrt(Vx^2 + Vy^2).
TEST(PathTable, RowsFollowThePointEquations) {
    const struct {
        const char* label;
        Solution solution;
        bool apexRow;  // the apex falls between two steps and has a row of its own
    } cases[] = {
        {"worked example: the apex is step 50", SolvedCase(ParamVo, 20, ParamAngle, 45), false},
        {"from 10 m", SolvedCase(ParamVo, 20, ParamAngle, 45, 10), true},
        {"downward from 30 m: no apex", SolvedCase(ParamVo, 12, ParamAngle, -30, 30), false},
        {"vertical", SolvedCase(ParamVo, 15, ParamAngle, 90, 2), true},
        {"Vx and T given", SolvedCase(ParamVx, 3.5, ParamTime, 1.7, 0.4), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const Solution& s = c.solution;
        const long double vx = s.values[ParamVx], vy0 = s.values[ParamVy0], y0 = s.y0;
        const double flightTime = s.values[ParamTime];
        const std::vector<PathRow> rows = PathTableRows(s);
        ASSERT_EQ(rows.size(), c.apexRow ? 102u : 101u);
        EXPECT_EQ(rows.front().t, 0);
        EXPECT_EQ(rows.back().t, flightTime);
        EXPECT_EQ(rows.back().y, 0);
        const long double scale = std::fabs(vy0) + vx + std::fabs(y0) + s.values[ParamReach] + flightTime;
        int apexRows = 0, step = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const PathRow& r = rows[i];
            const long double t = r.t;
            if (i > 0) {
                ASSERT_LT(rows[i - 1].t, r.t) << i;
            }
            if (r.t == s.apexTime && s.apexTime > 0) {
                ++apexRows;
                EXPECT_EQ(r.vy, 0);
                EXPECT_EQ(r.y, s.values[ParamHeight]);
            }
            if (r.t != s.apexTime || !c.apexRow) {
                EXPECT_NEAR(r.t, flightTime * step++ / 100.0, 1e-15 * flightTime) << i;
            }
            const long double vy = vy0 - Gravity * t;
            EXPECT_NEAR(r.x, vx * t, 1e-13 * scale) << i;
            EXPECT_NEAR(r.y, y0 + vy0 * t - Gravity * t * t / 2, 1e-13 * scale) << i;
            EXPECT_EQ(r.vx, s.values[ParamVx]) << i;
            EXPECT_NEAR(r.vy, vy, 1e-13 * scale) << i;
            EXPECT_NEAR(r.speed, std::sqrt(vx * vx + vy * vy), 1e-13 * scale) << i;
        }
        EXPECT_EQ(apexRows, s.apexTime > 0 ? 1 : 0);
    }
}

// The program's state for the export tests; each starts it afresh.
AppState state;

DialogHandle SolvedDialog(const char* launchHeight = "0") {
    DialogHandle dialog = OpenMainDialogFake(state);
    state.startDirectory = kStart;
    System().currentDirectory = kStart;
    System().directories = {kStart, "C:\\Data"};
    UserTypes(dialog, IDC_VALUE_BASE + ParamVo, "20");
    UserTypes(dialog, IDC_VALUE_BASE + ParamAngle, "45");
    UserTypes(dialog, IDC_LAUNCH_HEIGHT, launchHeight);
    UserClicks(dialog, IDC_ACCEPT);
    Pickers().saveChoice = kTable;
    Pickers().browsedDirectory = "C:\\Data";
    return dialog;
}

void Export(DialogHandle dialog) { UserClicks(dialog, IDM_EXPORT_TABLE); }

// The file is exactly the golden one, and every number in it reads back as the row's double.
TEST(PathTable, ExportWritesTheGoldenBytes) {
    const struct {
        const char* label;
        const char* launchHeight;
        const char* golden;
    } cases[] = {
        {"worked example", "0", "path_table_worked_example.csv"},
        {"from 10 m", "10", "path_table_from_10m.csv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        DialogHandle dialog = SolvedDialog(c.launchHeight);
        Export(dialog);
        EXPECT_TRUE(Fake().messages.empty());
        EXPECT_EQ(Files().files.size(), 1u);  // no temporary file left beside it
        const std::string bytes = Files().files[kTable];
        EXPECT_EQ(bytes, Golden(c.golden));
        EXPECT_EQ(Pickers().saveOwners, std::vector<DialogHandle>{dialog});
        EXPECT_EQ(Pickers().newFileKinds, std::vector<NewFileKind>{NewFileKind::PathTable});
        EXPECT_EQ(System().currentDirectory, kStart);
        EXPECT_TRUE(System().commands.empty());  // nothing is opened afterwards

        const std::vector<PathRow> rows = PathTableRows(state.motionCase.solution);
        std::istringstream lines(bytes);
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line, "t,x,y,Vx,Vy,speed\r");
        for (const PathRow& row : rows) {
            ASSERT_TRUE(std::getline(lines, line));
            ASSERT_EQ(line.back(), '\r');
            const char* p = line.data();
            for (double expected : {row.t, row.x, row.y, row.vx, row.vy, row.speed}) {
                double read = 0;
                auto [end, error] = std::from_chars(p, line.data() + line.size() - 1, read);
                ASSERT_EQ(error, std::errc()) << line;
                EXPECT_EQ(read, expected) << line;
                p = end + 1;
            }
        }
        EXPECT_FALSE(std::getline(lines, line));
    }
}

// A failure at each operation of an export in turn (opening the temporary file, each of its
// writes, the close that flushes it, the replacement of the file): the file the user had is
// byte for byte as before, or still missing; no temporary file remains; the message names the
// file; the start directory is back.
TEST(PathTable, AFailureAtAnyStepLeavesTheFileAsItWas) {
    int operations = 0;
    {
        DialogHandle dialog = SolvedDialog();
        Export(dialog);
        operations = Files().operations;
    }
    ASSERT_EQ(operations, 105);  // open, 102 lines, close, replace
    const std::string before = "t,x\r\n1,2\r\n";
    for (bool existing : {true, false}) {
        for (int failing = 0; failing < operations; ++failing) {
            SCOPED_TRACE((existing ? "existing file, operation " : "new file, operation ") + std::to_string(failing));
            DialogHandle dialog = SolvedDialog();
            if (existing) Files().files[kTable] = before;
            Files().failAt = failing;
            Export(dialog);
            EXPECT_EQ(Files().openFiles, 0);
            EXPECT_EQ(System().currentDirectory, kStart);
            if (failing == 0) {  // the first temporary name was taken: the next one serves
                EXPECT_EQ(Files().files[kTable], Golden("path_table_worked_example.csv"));
                EXPECT_TRUE(Fake().messages.empty());
                continue;
            }
            EXPECT_EQ(Files().files.size(), existing ? 1u : 0u);
            if (existing) {
                EXPECT_EQ(Files().files[kTable], before);
            }
            ASSERT_EQ(Fake().messages.size(), 1u);
            EXPECT_EQ(Fake().messages[0].caption, "Export path table");
            const std::string why = failing == operations - 1
                                        ? "The file cannot be replaced (it is read-only or in use); it is as it was:"
                                        : "The file could not be written; nothing was changed:";
            EXPECT_EQ(Fake().messages[0].text, why + "\r\n" + kTable);
        }
    }
}

TEST(PathTable, RefusedTargetsAndCancelAreReported) {
    const struct {
        const char* label;
        bool readOnly, folderGone, cancel;
        const char* message;  // "" for none
    } cases[] = {
        {"read-only file", true, false, false,
         "The file cannot be replaced (it is read-only or in use); it is as it was:\r\nC:\\Data\\path.csv"},
        {"folder gone", false, true, false, "The file cannot be written in its folder:\r\nC:\\Data\\path.csv"},
        {"cancel", false, false, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        DialogHandle dialog = SolvedDialog();
        Files().files[kTable] = "kept";
        if (c.readOnly) Files().readOnly.insert(kTable);
        if (c.folderGone) Files().directories = {"C:\\Elsewhere"};
        Pickers().cancelSave = c.cancel;
        Export(dialog);
        EXPECT_EQ(Files().files, (std::map<std::string, std::string>{{kTable, "kept"}}));
        EXPECT_EQ(System().currentDirectory, kStart);
        ASSERT_EQ(Fake().messages.size(), *c.message ? 1u : 0u);
        if (*c.message) {
            EXPECT_EQ(Fake().messages[0].text, c.message);
        }
    }
}

// Numbers beyond the doubles (a made-up case: no solve gives one) are never written.
TEST(PathTable, ANumberBeyondTheDoublesIsNotWritten) {
    Solution huge = SolvedCase(ParamVo, 20, ParamAngle, 45);
    huge.values[ParamVo] = huge.values[ParamVy0] = 1e308;
    huge.values[ParamTime] = 1e308;
    EXPECT_TRUE(PathTableLines(huge).empty());
    DialogHandle dialog = SolvedDialog();
    ExportPathTable(dialog, huge, kStart, Conditions(), nullptr, kEnglish);
    EXPECT_TRUE(Files().files.empty());
    ASSERT_EQ(Fake().messages.size(), 1u);
    EXPECT_EQ(Fake().messages[0].caption, "Export path table");
}

}  // namespace
