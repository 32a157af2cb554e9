// The real Ovanta.exe under Wine, driven from this process as a user drives it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "resources/ids.h"
#include "tests/win32/driver.h"

namespace {

class MainDialog : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = StartOvanta(process_);
        ASSERT_NE(dialog_, nullptr);
        running_ = true;
    }
    void TearDown() override {
        if (!running_) return;
        PostMessageA(dialog_, WM_CLOSE, 0, 0);
        if (WaitExit(process_, 5000) < 0) TerminateProcess(process_.hProcess, 1);
    }
    // Presses OK on the box that must now be open, and returns what it said.
    MessageBoxSeen Answer() {
        MessageBoxSeen box = WaitMessageBox(dialog_);
        if (box.window) PressButton(box.window, IDOK);
        return box;
    }
    void Solve(const char* vo, const char* angle) {
        TypeInto(dialog_, IDC_VALUE_BASE + 1, vo);
        TypeInto(dialog_, IDC_VALUE_BASE + 2, angle);
        Click(dialog_, IDC_ACCEPT);
    }

    PROCESS_INFORMATION process_ = {};
    HWND dialog_ = nullptr;
    bool running_ = false;
};

TEST_F(MainDialog, StartsWithVoAndAngleGiven) {
    for (int p = 1; p <= 7; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(IsChecked(dialog_, IDC_GIVEN_BASE + p), p <= 2);
        EXPECT_EQ(IsEnabledField(dialog_, IDC_VALUE_BASE + p), p <= 2);
        EXPECT_EQ(FieldText(dialog_, IDC_VALUE_BASE + p), "");
    }
    EXPECT_EQ(FieldText(dialog_, IDC_LAUNCH_HEIGHT), "0");
    EXPECT_TRUE(IsEnabledField(dialog_, IDC_LAUNCH_HEIGHT));
    for (int id : {150, 110, 111, 112, 113, 114, 151, 152, 153, 154, 155, 5, 160, 161, 162})
        EXPECT_FALSE(IsEnabledField(dialog_, id)) << id;
    EXPECT_EQ(FieldText(dialog_, IDC_SECOND_X), "x2: ");
    EXPECT_EQ(FieldText(dialog_, IDC_SECOND_VY), "Vy2: ");
    EXPECT_EQ(FieldText(dialog_, IDC_SECOND_T), "t2: ");
    EXPECT_EQ(FieldText(dialog_, 154), "|V |");
    EXPECT_TRUE(IsEnabledField(dialog_, IDC_ACCEPT));
}

TEST_F(MainDialog, KeepsTwoAdmissibleDataTicked) {
    Click(dialog_, IDC_GIVEN_BASE + 3);  // a third box
    MessageBoxSeen box = Answer();
    EXPECT_EQ(box.caption, "The number of data must be 2");
    EXPECT_EQ(box.text, "Some field must be deselected before");
    EXPECT_TRUE(WaitFor([&] { return !IsChecked(dialog_, IDC_GIVEN_BASE + 3); }));
    EXPECT_TRUE(IsChecked(dialog_, IDC_GIVEN_BASE + 1));
    EXPECT_TRUE(IsChecked(dialog_, IDC_GIVEN_BASE + 2));
    EXPECT_FALSE(IsEnabledField(dialog_, IDC_VALUE_BASE + 3));

    Click(dialog_, IDC_GIVEN_BASE + 1);  // untick Vo: accepted, its field greys
    EXPECT_TRUE(WaitFor([&] { return !IsEnabledField(dialog_, IDC_VALUE_BASE + 1); }));
    Click(dialog_, IDC_GIVEN_BASE + 2);
    Click(dialog_, IDC_GIVEN_BASE + 6);  // height
    EXPECT_TRUE(WaitFor([&] { return IsEnabledField(dialog_, IDC_VALUE_BASE + 6); }));
    Click(dialog_, IDC_GIVEN_BASE + 4);  // Vy0 with height: no horizontal information
    box = Answer();
    EXPECT_EQ(box.caption, "Indeterminate case");
    EXPECT_EQ(box.text, "Since Vy0 and height or time only depend to each other");
    EXPECT_TRUE(WaitFor([&] { return !IsChecked(dialog_, IDC_GIVEN_BASE + 4); }));
    EXPECT_FALSE(IsEnabledField(dialog_, IDC_VALUE_BASE + 4));
}

TEST_F(MainDialog, AcceptSolvesAndWritesTheFiveComputedValues) {
    Solve("20", "45");
    EXPECT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_VALUE_BASE + 7) != ""; }));
    const char* expected[] = {"20", "45", "14.142", "14.142", "40.775", "10.194", " 2.883"};
    for (int p = 1; p <= 7; ++p) EXPECT_EQ(FieldText(dialog_, IDC_VALUE_BASE + p), expected[p - 1]) << p;
    EXPECT_TRUE(WaitFor([&] { return IsEnabledField(dialog_, IDC_POINT_ACCEPT); }));

    const char* shot = std::getenv("OVANTA_SCREENSHOT");
    if (shot && *shot) {
        RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(300);
        EXPECT_TRUE(SaveWindowBitmap(dialog_, ProgramPath("OVANTA_SCREENSHOT")));
    }
}

TEST_F(MainDialog, LaunchHeightEntersTheSolve) {
    SetText(dialog_, IDC_LAUNCH_HEIGHT, "10");
    Solve("20", "45");
    EXPECT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_VALUE_BASE + 5) == "49.082"; }));
    EXPECT_EQ(FieldText(dialog_, IDC_VALUE_BASE + 6), "20.194");
    EXPECT_EQ(FieldText(dialog_, IDC_VALUE_BASE + 7), " 3.471");
}

TEST_F(MainDialog, RefusesBadInputWithItsMessages) {
    Solve("2,5", "45");
    MessageBoxSeen box = Answer();
    EXPECT_EQ(box.caption, "wrong value");
    EXPECT_EQ(box.text, "to initial speed");

    Solve("10", "95");
    box = Answer();
    EXPECT_EQ(box.caption, "* Errors in the data *");
    EXPECT_EQ(box.text, "Range of l'angle: -90... 90 \xBA\r\n\r\n");

    SetText(dialog_, IDC_LAUNCH_HEIGHT, "ten");
    Solve("10", "45");
    box = Answer();
    EXPECT_EQ(box.caption, "wrong value");
    EXPECT_EQ(box.text, "to launch height");
    EXPECT_EQ(FieldText(dialog_, IDC_VALUE_BASE + 3), "");  // nothing was solved
}

// A pasted number longer than what is read is cut where the user sees it, not silently later.
TEST_F(MainDialog, EditsHoldNoMoreThanIsRead) {
    const std::string digits(306, '9');
    for (int id : {100, 101, 102, 103, 104, 105, 106, 107, 110, 111, 112, 113, 114}) {
        PasteInto(dialog_, id, digits);
        EXPECT_EQ(FieldText(dialog_, id), digits.substr(0, 254)) << id;
    }
}

TEST_F(MainDialog, ExitEndsTheProgramWithCodeZero) {
    Click(dialog_, IDC_EXIT);
    EXPECT_EQ(WaitExit(process_), 0);
    running_ = false;
}

TEST_F(MainDialog, FileExitAndCloseBoxEndTheProgram) {
    Command(dialog_, IDC_EXIT);
    EXPECT_EQ(WaitExit(process_), 0);
    dialog_ = StartOvanta(process_);
    ASSERT_NE(dialog_, nullptr);
    PostMessageA(dialog_, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(process_), 0);
    running_ = false;
}

// The language chosen from the menu is the one the next start speaks; the case on screen stays.
TEST_F(MainDialog, TheChosenLanguageIsRememberedForTheNextStart) {
    Solve("20", "45");
    ASSERT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_VALUE_BASE + 5) == "40.775"; }));
    Command(dialog_, IDM_LANGUAGE_ES);
    EXPECT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_ACCEPT) == "Aceptar"; }));
    EXPECT_EQ(FieldText(dialog_, IDC_VALUE_BASE + 5), "40.775");
    EXPECT_EQ(FieldText(dialog_, IDC_STATUS).rfind("Cae a 40.775 m", 0), 0u) << FieldText(dialog_, IDC_STATUS);
    Click(dialog_, IDC_EXIT);
    ASSERT_EQ(WaitExit(process_), 0);

    dialog_ = StartOvanta(process_);
    ASSERT_NE(dialog_, nullptr);
    EXPECT_EQ(FieldText(dialog_, IDC_EXIT), "Salir");
    EXPECT_EQ(FieldText(dialog_, IDC_POINT_GROUP), "Punto de la trayectoria");
    // Back to the display language's choice for the tests that follow.
    Command(dialog_, IDM_LANGUAGE_EN);
    EXPECT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_EXIT) == "Exit"; }));
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Ovanta");
}

}  // namespace
