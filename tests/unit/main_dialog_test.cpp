// The main dialog's start and its commands, through the fake controls.
#include <gtest/gtest.h>

#include "app/main_dialog.h"
#include "physics/motion.h"
#include "resources/ids.h"
#include "tests/support/fake_about_window.h"
#include "tests/support/fake_menu.h"
#include "tests/support/fake_system.h"
#include "tests/support/main_dialog_fake.h"

namespace {

class MainDialogLogic : public testing::Test {
protected:
    void SetUp() override { dialog_ = OpenMainDialogFake(state_); }
    FakeControl& Control(int id) { return FakeOf(dialog_).controls.at(id); }
    void Command(int id, ControlEvent event = ControlEvent::Command) { MainDialogCommand(dialog_, id, event, state_); }
    AppState state_;
    DialogHandle dialog_;
};

TEST_F(MainDialogLogic, StartState) {
    for (int p = 1; p <= 7; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(Control(IDC_GIVEN_BASE + p).checked, p <= 2);
        EXPECT_EQ(Control(IDC_VALUE_BASE + p).enabled, p <= 2);
    }
    EXPECT_TRUE(Control(IDC_LAUNCH_HEIGHT).enabled);
    for (int id : {150, 110, 111, 112, 113, 114, 151, 152, 153, 154, 155, 5, 160, 161, 162})
        EXPECT_FALSE(Control(id).enabled) << id;
    EXPECT_EQ(Control(IDC_SECOND_X).text, "x2: ");
    EXPECT_EQ(Control(IDC_SECOND_VY).text, "Vy2: ");
    EXPECT_EQ(Control(IDC_SECOND_T).text, "t2: ");
    EXPECT_EQ(FakeOf(dialog_).focus, IDC_VALUE_BASE + 1);
    EXPECT_FALSE(state_.motionCase.solved);
    EXPECT_FALSE(Menu().enabled.at(IDM_SAVE_CASE));
    EXPECT_TRUE(Fake().messages.empty());
}

TEST_F(MainDialogLogic, SolveWritesTheFiveComputedValuesAndKeepsTheTypedOnes) {
    UserTypes(dialog_, IDC_VALUE_BASE + 1, " 20.0 ");
    UserTypes(dialog_, IDC_VALUE_BASE + 2, "45");
    Command(IDC_ACCEPT);
    const char* expected[] = {" 20.0 ", "45", "14.142", "14.142", "40.775", "10.194", " 2.883"};
    for (int p = 1; p <= 7; ++p) EXPECT_EQ(Control(IDC_VALUE_BASE + p).text, expected[p - 1]) << p;
    EXPECT_TRUE(state_.motionCase.solved);
    EXPECT_TRUE(Control(IDC_POINT_ACCEPT).enabled);
    EXPECT_TRUE(Control(IDC_POINT_BASE + 1).enabled);
    EXPECT_EQ(FakeOf(dialog_).focus, IDC_POINT_BASE + 1);

    UserTypes(dialog_, IDC_VALUE_BASE + 2, "90");  // vertical: Vx shows 0.000, never -0.000
    Command(IDC_ACCEPT);
    EXPECT_EQ(Control(IDC_VALUE_BASE + 3).text, " 0.000");
    EXPECT_EQ(Control(IDC_VALUE_BASE + 5).text, " 0.000");
}

TEST_F(MainDialogLogic, ARefusedSolveChangesNoField) {
    UserTypes(dialog_, IDC_VALUE_BASE + 1, "20");
    UserTypes(dialog_, IDC_VALUE_BASE + 2, "45");
    Command(IDC_ACCEPT);
    UserTypes(dialog_, IDC_LAUNCH_HEIGHT, "-100");  // now the path never reaches the ground
    Command(IDC_ACCEPT);
    ASSERT_EQ(Fake().messages.size(), 1u);
    EXPECT_EQ(Fake().messages[0].caption, "No solution");
    EXPECT_EQ(Fake().messages[0].text, "The path never comes down to the ground (y = 0)");
    EXPECT_EQ(Control(IDC_VALUE_BASE + 5).text, "40.775");
    EXPECT_EQ(state_.motionCase.values[5], state_.motionCase.solution.values[5]);
}

TEST_F(MainDialogLogic, OnlyTypingInAPointFieldEnablesThePointButton) {
    UserTypes(dialog_, IDC_VALUE_BASE + 1, "20");
    UserTypes(dialog_, IDC_LAUNCH_HEIGHT, "3");
    EXPECT_FALSE(Control(IDC_POINT_ACCEPT).enabled);
    UserTypes(dialog_, IDC_POINT_BASE + 2, "4");
    EXPECT_TRUE(Control(IDC_POINT_ACCEPT).enabled);
    EXPECT_EQ(state_.lastPointField, IDC_POINT_BASE + 2);
    Control(IDC_POINT_ACCEPT).enabled = false;
    Command(IDC_POINT_BASE + 3, ControlEvent::Command);  // a notification other than a change: nothing
    EXPECT_FALSE(Control(IDC_POINT_ACCEPT).enabled);
}

TEST_F(MainDialogLogic, Commands) {
    Command(1);  // Enter without a default button
    EXPECT_EQ(FakeOf(dialog_).endResult, -1);
    EXPECT_TRUE(Fake().messages.empty());
    Command(IDM_INFO);
    Command(IDM_ABOUT);
    ASSERT_EQ(System().commands.size(), 1u);
    EXPECT_EQ(System().commands[0], "Ovanta.pdf");
    ASSERT_EQ(AboutTitles().size(), 1u);
    EXPECT_EQ(AboutTitles()[0], "Ovanta movement: calculations");
    for (int id : {0, 4, 6, 79, 87, 109, 115, 300, 302, 799, 802}) Command(id);
    EXPECT_TRUE(Fake().messages.empty());
    EXPECT_EQ(FakeOf(dialog_).endResult, -1);
    Command(IDC_EXIT);
    EXPECT_EQ(FakeOf(dialog_).endResult, 0);
}

}  // namespace
