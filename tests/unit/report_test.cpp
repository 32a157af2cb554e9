// The case report: its bytes against golden files, the save dialog and the start directory,
// and a failure injected at every write.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "physics/point.h"
#include "report/report.h"
#include "resources/ids.h"
#include "tests/support/fake_dialog.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_pickers.h"
#include "tests/support/fake_system.h"
#include "tests/support/main_dialog_fake.h"

namespace {

const char kStart[] = "C:\\Work";
const char kReport[] = "C:\\Reports\\case.txt";

std::string Golden(const std::string& name) {
    std::string here = __FILE__;
    std::string path = here.substr(0, here.rfind("/unit/")) + "/data/" + name;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The program's state for the tests of this file; each test starts it afresh.
AppState state;

DialogHandle Open() {
    DialogHandle dialog = OpenMainDialogFake(state);
    state.startDirectory = kStart;
    System().currentDirectory = kStart;
    System().directories = {kStart, "C:\\Elsewhere"};
    return dialog;
}

// Ticks exactly the two given parameters and types their values, then presses Accept.
void Solve(DialogHandle dialog, int first, const char* firstText, int second, const char* secondText) {
    for (int p = 1; p <= 7; ++p) {
        if (IsFieldChecked(dialog, IDC_GIVEN_BASE + p)) UserClicks(dialog, IDC_GIVEN_BASE + p);
    }
    UserClicks(dialog, IDC_GIVEN_BASE + first);
    UserClicks(dialog, IDC_GIVEN_BASE + second);
    UserTypes(dialog, IDC_VALUE_BASE + first, firstText);
    UserTypes(dialog, IDC_VALUE_BASE + second, secondText);
    UserClicks(dialog, IDC_ACCEPT);
}

// The panel as a point query leaves it: texts of the fields and of the second solution.
void ShowQueriedPoint(DialogHandle dialog, int input, const std::vector<std::string>& fields,
                      const std::vector<std::string>& second) {
    for (int k = 1; k <= 5; ++k) SetFieldText(dialog, IDC_POINT_BASE + k, fields[k - 1]);
    const char* prefixes[] = {"x2: ", "Vy2: ", "t2: "};
    for (int i = 0; i < 3; ++i)
        SetFieldText(dialog, IDC_SECOND_X + i, second.empty() ? prefixes[i] : second[i]);
    state.pointInput = static_cast<std::uint16_t>(input);
    state.pointQuery.pointShown = true;
    state.pointQuery.solutionCount = second.empty() ? 1 : 2;
}

void PointByX(DialogHandle dialog) {
    ShowQueriedPoint(dialog, 110, {" 10.00", "  7.55", "  7.21", " 15.87", "  0.71"}, {});
}

void PointByY(DialogHandle dialog) {
    ShowQueriedPoint(dialog, 111, {"  5.84", "  5.00", " 10.09", " 17.38", "  0.41"},
                     {"x2:  34.94", "Vy2: -10.09", "t2:   2.47"});
}

void SolveWorkedExample(DialogHandle dialog) { Solve(dialog, 1, "20", 2, "45"); }

// File > Save case.
void SaveCase(DialogHandle dialog) { UserClicks(dialog, IDM_SAVE_CASE); }

TEST(CaseReport, BytesMatchTheGoldenFiles) {
    const struct {
        const char* label;
        std::function<void(DialogHandle)> steps;  // what the user does; each SaveCase saves
        const char* golden;
        int saves;
    } cases[] = {
        {"worked example", [](DialogHandle d) { SolveWorkedExample(d); SaveCase(d); },
         "report_worked_example.txt", 1},
        {"given data as typed", [](DialogHandle d) { Solve(d, 3, "1e1", 7, " 2"); SaveCase(d); },
         "report_typed_data.txt", 1},
        {"point with one solution",
         [](DialogHandle d) { SolveWorkedExample(d); PointByX(d); SaveCase(d); },
         "report_point_one_solution.txt", 1},
        {"point with two solutions",
         [](DialogHandle d) { SolveWorkedExample(d); PointByY(d); SaveCase(d); },
         "report_point_two_solutions.txt", 1},
        {"two saves into one file",
         [](DialogHandle d) { SolveWorkedExample(d); SaveCase(d); PointByY(d); SaveCase(d); },
         "report_two_saves.txt", 2},
        {"later case with the point panel still filled",
         [](DialogHandle d) {
             SolveWorkedExample(d);
             PointByX(d);
             Solve(d, 1, "30", 2, "60");
             SaveCase(d);
         },
         "report_later_case.txt", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        DialogHandle dialog = Open();
        c.steps(dialog);
        EXPECT_TRUE(Fake().messages.empty());
        ASSERT_EQ(Files().files.count(kReport), 1u);
        EXPECT_EQ(Files().files[kReport], Golden(c.golden));
        EXPECT_EQ(System().commands, std::vector<std::string>(c.saves, kReport));
        EXPECT_EQ(Pickers().saveOwners, std::vector<DialogHandle>(c.saves, dialog));
    }
}

TEST(CaseReport, AppendsAfterTheLastByteOfAnExistingFile) {
    DialogHandle dialog = Open();
    Files().files[kReport] = "notes without a line end";
    SolveWorkedExample(dialog);
    SaveCase(dialog);
    EXPECT_EQ(Files().files[kReport], "notes without a line end" + Golden("report_worked_example.txt"));
}

// The path goes to the shell whole, blanks and all; the start directory comes back whatever
// the dialog browsed to and however the command ended; a file that cannot be opened is named.
TEST(CaseReport, StartDirectoryIsRestoredAndTheWholePathOpened) {
    const struct {
        const char* label;
        bool cancel, failOpen;
        std::vector<std::string> commands;
    } cases[] = {
        {"saved", false, false, {"C:\\My reports\\case one.txt"}},
        {"cancelled", true, false, {}},
        {"file not opened", false, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        DialogHandle dialog = Open();
        SolveWorkedExample(dialog);
        Pickers().saveChoice = "C:\\My reports\\case one.txt";
        Pickers().browsedDirectory = "C:\\Elsewhere";
        Pickers().cancelSave = c.cancel;
        if (c.failOpen) Files().failAt = 0;
        SaveCase(dialog);
        EXPECT_EQ(System().currentDirectory, kStart);
        EXPECT_EQ(System().commands, c.commands);
        EXPECT_EQ(Files().files.size(), c.commands.size());
        ASSERT_EQ(Fake().messages.size(), c.failOpen ? 1u : 0u);
        if (c.failOpen) {
            EXPECT_EQ(Fake().messages[0].caption, "Save case");
            EXPECT_EQ(Fake().messages[0].text,
                      "The file cannot be opened for writing:\r\nC:\\My reports\\case one.txt");
            EXPECT_EQ(Fake().messages[0].icon, MessageIcon::Exclamation);
        }
    }
}

// Every write of a save, and the close, is made to fail in turn, into an existing file and into
// a new one: the file ends exactly as before the save, the user is told, the report is not
// opened, and the program goes on.
TEST(CaseReport, AFailedWriteLeavesTheFileAsItWas) {
    const std::string before = "an earlier case\r\n";
    int writesPerSave = 0;
    {
        DialogHandle dialog = Open();
        SolveWorkedExample(dialog);
        PointByY(dialog);
        SaveCase(dialog);
        writesPerSave = Files().writes;
    }
    ASSERT_EQ(writesPerSave, 22);  // one per line
    for (bool existing : {true, false}) {
        for (int failing = 0; failing <= writesPerSave; ++failing) {
            SCOPED_TRACE(std::string(existing ? "existing file, " : "new file, ") +
                         (failing < writesPerSave ? "write " + std::to_string(failing) : "close"));
            DialogHandle dialog = Open();
            SolveWorkedExample(dialog);
            PointByY(dialog);
            if (existing) Files().files[kReport] = before;
            Files().failAt = failing + 1;  // the open is the first operation, the close the last
            Pickers().browsedDirectory = "C:\\Elsewhere";
            SaveCase(dialog);
            if (existing)
                EXPECT_EQ(Files().files[kReport], before);
            else
                EXPECT_EQ(Files().files.count(kReport), 0u);
            EXPECT_EQ(Files().openFiles, 0);
            ASSERT_EQ(Fake().messages.size(), 1u);
            EXPECT_EQ(Fake().messages[0].text,
                      std::string("The case could not be written; the file has been left as it was:\r\n") +
                          kReport);
            EXPECT_TRUE(System().commands.empty());
            EXPECT_EQ(System().currentDirectory, kStart);
        }
    }
}

TEST(CaseReport, AFileThatCannotBePutBackIsNotCalledIntact) {
    for (bool existing : {true, false}) {
        SCOPED_TRACE(existing ? "existing file" : "new file");
        DialogHandle dialog = Open();
        SolveWorkedExample(dialog);
        if (existing) Files().files[kReport] = "old\r\n";
        Files().failingWrite = 4;
        Files().failTruncate = Files().failRemove = true;
        SaveCase(dialog);
        ASSERT_EQ(Fake().messages.size(), 1u);
        EXPECT_EQ(Fake().messages[0].text,
                  std::string("The case could not be written, and the file may now hold part of it:\r\n") +
                      kReport);
        EXPECT_TRUE(System().commands.empty());
    }
}

}  // namespace
