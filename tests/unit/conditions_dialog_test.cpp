// The "Gravity and air" dialog driven as the user drives it, and what OK does to the case on
// screen: solved again under the new conditions, the old path kept among the earlier ones.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/main_dialog.h"
#include "resources/ids.h"
#include "text/number_text.h"
#include "tests/support/fake_clipboard.h"
#include "tests/support/fake_dialog.h"
#include "tests/support/fake_list_field.h"
#include "tests/support/fake_menu.h"
#include "tests/support/fake_modal_dialog.h"
#include "tests/support/main_dialog_fake.h"

namespace {

const DialogHandle kConditions = FakeDialogHandle(7);

// Opens the conditions dialog's controls in the fake with its handlers, runs its start, then
// the user's actions, and answers what the dialog ended with.
void WhileOpen(const std::function<void()>& user) {
    ModalDialogs().whileOpen = [user](const DialogHandlers& handlers) {
        FakeDialog& d = FakeOf(kConditions);
        d = FakeDialog();
        for (int id = IDC_COND_WORLD; id <= IDC_COND_SUMMARY; ++id)
            d.controls[id] = {"", false, true, id == IDC_COND_G || (id >= IDC_COND_MASS && id <= IDC_COND_RHO)};
        for (int id = IDC_COND_LABEL; id <= IDC_COND_LABEL + 7; ++id) d.controls[id] = {};
        d.controls[IDC_COND_OK] = {"OK"};
        d.controls[IDC_COND_CANCEL] = {"Cancel"};
        d.onCommand = [handlers](int id, ControlEvent event) { handlers.command(kConditions, id, event, handlers.context); };
        handlers.init(kConditions, handlers.context);
        user();
        ModalDialogs().result = FakeOf(kConditions).endResult;
    };
}

std::string Text(int id) { return FakeOf(kConditions).controls.at(id).text; }

class ConditionsDialog : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = OpenMainDialogFake(state_);
        ResetModalDialogs();
        UserTypes(dialog_, IDC_VALUE_BASE + ParamVo, "40");
        UserTypes(dialog_, IDC_VALUE_BASE + ParamAngle, "45");
        MainDialogCommand(dialog_, IDC_ACCEPT, ControlEvent::Command, state_);
    }
    void Choose() { MainDialogCommand(dialog_, IDM_CONDITIONS, ControlEvent::Command, state_); }
    std::string Shown(int param) { return FakeOf(dialog_).controls.at(IDC_VALUE_BASE + param).text; }
    AppState state_;
    DialogHandle dialog_;
};

TEST_F(ConditionsDialog, ABallSolvesTheCaseAgainInAirAndKeepsTheVacuumPath) {
    ASSERT_EQ(Shown(ParamReach), "163.099");
    WhileOpen([] {
        EXPECT_EQ(Text(IDC_COND_G), "9.81");
        EXPECT_EQ(ListOf(kConditions, IDC_COND_WORLD)->selected, 0);
        EXPECT_FALSE(FakeOf(kConditions).controls.at(IDC_COND_MASS).enabled);  // air off
        SetFieldChecked(kConditions, IDC_COND_AIR, true);
        FakeOf(kConditions).onCommand(IDC_COND_AIR, ControlEvent::Command);
        EXPECT_TRUE(FakeOf(kConditions).controls.at(IDC_COND_MASS).enabled);
        UserSelectsLine(kConditions, IDC_COND_BALL, 0);  // baseball
        EXPECT_EQ(Text(IDC_COND_MASS), "0.145");
        EXPECT_EQ(Text(IDC_COND_SUMMARY), "k 0.0063071 1/m   terminal speed 39.438 m/s");
        UserClicks(kConditions, IDC_COND_OK);
    });
    Choose();
    ASSERT_EQ(ModalDialogs().opened, std::vector<std::string>{"DlgConditions"});
    EXPECT_TRUE(state_.motionCase.conditions.air);
    EXPECT_EQ(Shown(ParamReach), "95.042");
    EXPECT_EQ(Shown(ParamHeight), "29.603");
    ASSERT_EQ(state_.view.earlier.count, 1);
    EXPECT_FALSE(state_.view.earlier.conditions[0].air);
    EXPECT_EQ(FormatFixed(state_.view.earlier.paths[0].values[ParamReach], 6, 3), "163.099");
    const std::string status = FakeOf(dialog_).controls.at(IDC_STATUS).text;
    EXPECT_EQ(status.rfind("Earth (g 9.81 m/s\xB2), baseball in air: lands 95.042 m away", 0), 0u) << status;
}

TEST_F(ConditionsDialog, TypedValuesAreOtherAndBadOnesAreRefusedInTheDialog) {
    WhileOpen([] {
        UserSelectsLine(kConditions, IDC_COND_WORLD, 2);  // Mars
        EXPECT_EQ(Text(IDC_COND_G), "3.71");
        UserTypes(kConditions, IDC_COND_G, "0");
        EXPECT_EQ(ListOf(kConditions, IDC_COND_WORLD)->selected, kWorldCount);  // "Other"
        UserClicks(kConditions, IDC_COND_OK);
        ASSERT_EQ(Fake().messages.size(), 1u);
        EXPECT_EQ(Fake().messages[0].text, "g must be a number above 0 (m/s\xB2)");
        EXPECT_EQ(FakeOf(kConditions).endResult, -1);  // still open
        UserTypes(kConditions, IDC_COND_G, "1.62");
        UserClicks(kConditions, IDC_COND_OK);
    });
    Choose();
    EXPECT_EQ(state_.motionCase.conditions.g, 1.62);
    EXPECT_EQ(Shown(ParamReach), "987.654");  // 40^2 / 1.62
}

// Two launches of one angle differ in speed: the status line names the other by its speed.
TEST_F(ConditionsDialog, TheOtherSpeedOfAGivenAngleIsNamed) {
    state_.conditions = WorldConditions(1);
    PutBall(state_.conditions, 4);
    UserClicks(dialog_, IDC_GIVEN_BASE + ParamVo);
    UserClicks(dialog_, IDC_GIVEN_BASE + ParamTime);
    UserTypes(dialog_, IDC_VALUE_BASE + ParamAngle, "-4.0681374755664876");
    UserTypes(dialog_, IDC_VALUE_BASE + ParamTime, "10.551851163090888");
    UserTypes(dialog_, IDC_LAUNCH_HEIGHT, "29.5712");
    MainDialogCommand(dialog_, IDC_ACCEPT, ControlEvent::Command, state_);
    ASSERT_TRUE(state_.view.hasSteeper);
    const std::string status = FakeOf(dialog_).controls.at(IDC_STATUS).text;
    EXPECT_NE(status.find("; also fits at 75."), std::string::npos) << status;
    EXPECT_EQ(status.find("also lands there"), std::string::npos) << status;
}

// The dialog opens in the dialog's language, and the case's conditions follow a change of
// language in the status line, the menu and a copy of the case.
TEST_F(ConditionsDialog, TheConditionsSpeakTheChosenLanguage) {
    UserClicks(dialog_, IDM_LANGUAGE_CA);
    WhileOpen([] {
        EXPECT_EQ(Text(IDC_COND_LABEL), "&M\xF3n:");
        EXPECT_EQ(ListOf(kConditions, IDC_COND_WORLD)->lines.front(), "Terra");
        EXPECT_EQ(ListOf(kConditions, IDC_COND_BALL)->lines.back(), "Altre");
        SetFieldChecked(kConditions, IDC_COND_AIR, true);
        FakeOf(kConditions).onCommand(IDC_COND_AIR, ControlEvent::Command);
        UserSelectsLine(kConditions, IDC_COND_BALL, 0);
        EXPECT_EQ(Text(IDC_COND_SUMMARY), "k 0.0063071 1/m   velocitat l\xEDmit 39.438 m/s");
        UserClicks(kConditions, IDC_COND_OK);
    });
    Choose();
    auto status = [this] { return FakeOf(dialog_).controls.at(IDC_STATUS).text; };
    EXPECT_EQ(status().rfind("Terra (g 9.81 m/s\xB2), pilota de beisbol amb aire: cau a 95.042 m", 0), 0u) << status();
    UserClicks(dialog_, IDM_LANGUAGE_ES);
    EXPECT_EQ(status().rfind("Tierra (g 9.81 m/s\xB2), pelota de b\xE9isbol con aire: cae a 95.042 m", 0), 0u) << status();
    EXPECT_EQ(Menu().commandTexts[IDM_CONDITIONS], "Gra&vedad y aire...");
    UserClicks(dialog_, IDM_COPY_CASE);
    EXPECT_NE(Clipboard().text.find("objeto\tPelota de b\xE9isbol\t\r\nmasa\t0.145\t"), std::string::npos)
        << Clipboard().text;
}

TEST_F(ConditionsDialog, CancelChangesNothing) {
    WhileOpen([] {
        UserSelectsLine(kConditions, IDC_COND_WORLD, 1);
        UserClicks(kConditions, IDC_COND_CANCEL);
    });
    Choose();
    EXPECT_EQ(state_.conditions.g, 9.81);
    EXPECT_EQ(Shown(ParamReach), "163.099");
    EXPECT_EQ(state_.view.earlier.count, 0);
}

}  // namespace
