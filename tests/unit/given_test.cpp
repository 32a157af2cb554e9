// Choosing the given data and checking them, through the main dialog's logic and the fake.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "physics/motion.h"
#include "resources/ids.h"
#include "tests/support/main_dialog_fake.h"
#include "tests/support/solve_cases.h"

namespace {

constexpr int Box(int p) { return IDC_GIVEN_BASE + p; }
constexpr int Edit(int p) { return IDC_VALUE_BASE + p; }

class GivenSelection : public testing::Test {
protected:
    void SetUp() override { dialog_ = OpenMainDialogFake(state_); }
    FakeControl& Control(int id) { return FakeOf(dialog_).controls.at(id); }
    // Leaves exactly the boxes of `params` ticked, as the user would click them.
    void Select(std::initializer_list<int> params) {
        for (int p = 1; p <= 7; ++p)
            if (Control(Box(p)).checked) UserClicks(dialog_, Box(p));
        for (int p : params) UserClicks(dialog_, Box(p));
        Fake().messages.clear();
    }
    void Accept() { UserClicks(dialog_, IDC_ACCEPT); }
    std::vector<FakeMessage>& Messages() { return Fake().messages; }
    AppState state_;
    DialogHandle dialog_;
};

TEST_F(GivenSelection, AThirdBoxIsRefusedAndUnticked) {
    UserTypes(dialog_, Edit(1), "20");
    UserClicks(dialog_, Box(3));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, "The number of data must be 2");
    EXPECT_EQ(Messages()[0].text, "Some field must be deselected before");
    EXPECT_FALSE(Control(Box(3)).checked);
    EXPECT_FALSE(Control(Edit(3)).enabled);
    EXPECT_TRUE(Control(Box(1)).checked && Control(Box(2)).checked);
    EXPECT_TRUE(Control(Edit(1)).enabled && Control(Edit(2)).enabled);
    EXPECT_EQ(Control(Edit(1)).text, "20");
}

TEST_F(GivenSelection, IndeterminatePairsAreRefusedWhicheverIsTickedLast) {
    const int pairs[][2] = {{4, 6}, {6, 4}, {4, 7}, {7, 4}, {6, 7}, {7, 6}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(std::to_string(pair[0]) + " then " + std::to_string(pair[1]));
        Select({pair[0]});
        UserClicks(dialog_, Box(pair[1]));
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].caption, "Indeterminate case");
        EXPECT_EQ(Messages()[0].text, "Since Vy0 and height or time only depend to each other");
        EXPECT_FALSE(Control(Box(pair[1])).checked);
        EXPECT_TRUE(Control(Box(pair[0])).checked);
    }
    Select({6});
    UserClicks(dialog_, Box(1));  // height, then Vo: admissible
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Control(Box(1)).checked);
    EXPECT_TRUE(Control(Edit(1)).enabled && Control(Edit(6)).enabled);
}

TEST_F(GivenSelection, UntickingGreysTheFieldAndKeepsItsText) {
    UserTypes(dialog_, Edit(2), "45");
    UserClicks(dialog_, Box(2));
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(Control(Edit(2)).enabled);
    EXPECT_EQ(Control(Edit(2)).text, "45");
}

TEST_F(GivenSelection, ASolvedValueTickedLaterIsTakenAsShown) {
    UserTypes(dialog_, Edit(1), "20");
    UserTypes(dialog_, Edit(2), "45");
    Accept();
    Select({2, 7});  // T as displayed: " 2.883" read back as 2.883
    EXPECT_EQ(state_.motionCase.values[7], 2.883);
    Accept();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Control(Edit(1)).text, "19.999");
}

TEST_F(GivenSelection, RefusalsAndTheirMessages) {
    const struct {
        const char* label;
        std::initializer_list<int> boxes;
        std::vector<std::pair<int, const char*>> texts;
        const char* y0;
        const char* caption;
        const char* text;
    } cases[] = {
        {"bad number", {1, 2}, {{1, "2,5"}, {2, "45"}}, "0", "wrong value", "to initial speed"},
        {"bad height", {1, 6}, {{1, "20"}, {6, "1e"}}, "0", "wrong value", "to Height"},
        {"bad launch height", {1, 2}, {{1, "20"}, {2, "45"}}, "1,5", "wrong value", "to launch height"},
        {"one datum", {1}, {{1, "20"}}, "0", "Insufficient data", "2 data are needed"},
        {"empty speed counts as 0", {1, 2}, {{1, ""}, {2, "45"}}, "0", "* Errors in the data *",
         "initial speed: non valid value\r\n\r\n"},
        {"angle beyond 90", {1, 2}, {{1, "20"}, {2, "90.001"}}, "0", "* Errors in the data *",
         "Range of l'angle: -90... 90 \xBA\r\n\r\n"},
        {"all errors in order", {1, 7}, {{1, "-5"}, {7, "-1"}}, "0", "* Errors in the data *",
         "initial speed: non valid value\r\n\r\nTime: non valid value\r\n\r\n"
         "The time cannot overcome 2Vo/g\r\n\r\n"},
        {"range then sign", {1, 2}, {{1, "0"}, {2, "-91"}}, "0", "* Errors in the data *",
         "Range of l'angle: -90... 90 \xBA\r\n\r\ninitial speed: non valid value\r\n\r\n"},
        {"Vx above Vo", {1, 3}, {{1, "10"}, {3, "10.5"}}, "0", "* Errors in the data *",
         "Vx, Vy cannot overcome Vo\r\n\r\n"},
        {"Vy0 above Vo", {1, 4}, {{1, "10"}, {4, "11"}}, "0", "* Errors in the data *",
         "Vx, Vy cannot overcome Vo\r\n\r\n"},
        {"reach beyond Vo^2/g", {1, 5}, {{1, "10"}, {5, "10.2"}}, "0", "* Errors in the data *",
         "The reach cannot overcome Vo\xB2/g\r\n\r\n"},
        {"height beyond Vo^2/2g", {1, 6}, {{1, "10"}, {6, "5.1"}}, "0", "* Errors in the data *",
         "The maximum height cannot overcome Vo\xB2/2g\r\n\r\n"},
        {"reach beyond the launch height's bound", {1, 5}, {{1, "10"}, {5, "17.6"}}, "10",
         "* Errors in the data *", "The reach cannot overcome Vo\xB7sqrt(Vo\xB2+2g\xB7Y0)/g\r\n\r\n"},
        {"height beyond Y0+Vo^2/2g", {1, 6}, {{1, "10"}, {6, "15.2"}}, "10", "* Errors in the data *",
         "The maximum height cannot overcome Y0+Vo\xB2/2g\r\n\r\n"},
        {"height under Y0", {1, 6}, {{1, "10"}, {6, "9"}}, "10", "* Errors in the data *",
         "The maximum height cannot be under Y0\r\n\r\n"},
        {"time beyond the fall", {1, 7}, {{1, "10"}, {7, "3.8"}}, "10", "* Errors in the data *",
         "The time cannot overcome (Vo+sqrt(Vo\xB2+2g\xB7Y0))/g\r\n\r\n"},
        {"time shorter than a throw straight down", {1, 7}, {{1, "10"}, {7, "0.7"}}, "10",
         "* Errors in the data *", "The time cannot be under (sqrt(Vo\xB2+2g\xB7Y0)-Vo)/g\r\n\r\n"},
        {"no solution", {2, 7}, {{2, "0"}, {7, "2"}}, "0", "No solution",
         "With this angle the given value does not fix the initial speed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        dialog_ = OpenMainDialogFake(state_);
        Select(c.boxes);
        for (const auto& [p, text] : c.texts) UserTypes(dialog_, Edit(p), text);
        UserTypes(dialog_, IDC_LAUNCH_HEIGHT, c.y0);
        Accept();
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].caption, c.caption);
        EXPECT_EQ(Messages()[0].text, c.text);
        for (int p = 1; p <= 7; ++p)
            if (!Control(Box(p)).checked) { EXPECT_EQ(Control(Edit(p)).text, "") << "nothing solved"; }
    }
}

TEST_F(GivenSelection, BoundsMayBeMetExactly) {
    const struct {
        const char* label;
        int second;
        const char* vo;
        const char* value;
        const char* y0;
    } cases[] = {
        {"reach under Vo^2/g", 5, "10", "10.19", "0"}, {"angle 90", 2, "10", "90", "0"},
        {"angle -90", 2, "10", "-90", "5"},           {"Vx equal to Vo", 3, "10", "10", "0"},
        {"T at 2Vo/g", 7, "9.81", "2", "0"},           {"reach from 10 m", 5, "10", "17.5", "10"},
        // The solver's greatest reach at Vo 20, 2.7e-15 above Vo^2/g.
        {"the greatest reach as ovanta-solve writes it", 5, "20", "40.774719673802245", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        dialog_ = OpenMainDialogFake(state_);
        Select({1, c.second});
        UserTypes(dialog_, Edit(1), c.vo);
        UserTypes(dialog_, Edit(c.second), c.value);
        UserTypes(dialog_, IDC_LAUNCH_HEIGHT, c.y0);
        Accept();
        // Solved; a vertical or horizontal ground-level case has nothing to draw, and says so.
        for (const auto& message : Messages()) EXPECT_EQ(message.caption, "Nohing to do ") << message.text;
        EXPECT_TRUE(state_.motionCase.solved);
    }
}

TEST_F(GivenSelection, ALaunchHeightThatIsNoNumberOnlyStopsAccept) {
    UserTypes(dialog_, IDC_LAUNCH_HEIGHT, "abc");
    UserClicks(dialog_, Box(2));
    UserClicks(dialog_, Box(5));
    EXPECT_TRUE(Messages().empty());
    Accept();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "to launch height");
}

// The cases ovanta-solve answers from the same table: the dialog shows the same digits and
// refuses with the same words.
TEST_F(GivenSelection, TheDialogAgreesWithTheSharedCases) {
    for (const SolveExample& c : kSolveExamples) {
        SCOPED_TRACE(c.label);
        dialog_ = OpenMainDialogFake(state_);
        Select({c.first});
        UserClicks(dialog_, Box(c.second));  // an indeterminate pair is refused here
        UserTypes(dialog_, Edit(c.first), c.firstText);
        UserTypes(dialog_, Edit(c.second), c.secondText);
        UserTypes(dialog_, IDC_LAUNCH_HEIGHT, c.y0Text);
        Accept();
        if (c.caption) {
            ASSERT_FALSE(Messages().empty());
            EXPECT_EQ(Messages()[0].caption, c.caption);
            EXPECT_EQ(Messages()[0].text, c.text);
            continue;
        }
        for (const auto& message : Messages()) EXPECT_EQ(message.caption, "Nohing to do ") << message.text;
        for (int p = 1; p <= 7; ++p)
            if (c.shown[p]) { EXPECT_EQ(Control(Edit(p)).text, c.shown[p]) << p; }
    }
}

}  // namespace
