// The point of the trajectory: its equations on solved cases, the refusals, and the point
// sequence of the panel's Accept button through the fake dialog.
#include <gtest/gtest.h>

#include <cmath>

#include "app/main_dialog.h"
#include "app/point_panel.h"
#include "physics/motion.h"
#include "physics/point.h"
#include "resources/ids.h"
#include "tests/support/point_cases.h"
#include "tests/support/fake_canvas.h"
#include "tests/support/motion_cases.h"
#include "tests/support/main_dialog_fake.h"
#include "text/number_text.h"
#include "text/words.h"

namespace {

// The program's state for the tests of this file; each test starts it afresh.
AppState state;

void SolveCaseFor(double vo, double angle, double y0) {
    ASSERT_EQ(SolveCase(GiveCase(ParamVo, vo, ParamAngle, angle, y0), state.motionCase.solution), SolveResult::Solved);
    state.motionCase.solved = true;
}

struct Passages {
    TrajectoryPoint first, second;
};

Passages Query(int k, double value) {
    Passages p = {};
    SolvePoint(state.motionCase.solution, p.first, k, value);
    SolvePoint(state.motionCase.solution, p.second, 5, 2 * state.motionCase.solution.apexTime - p.first.t);
    return p;
}

double Param(int id) { return state.motionCase.solution.values[id]; }

TEST(PointEquations, HeightAndSpeedGiveBothPassages) {
    const double g = 9.81;
    struct Case {
        const char* label;
        double angle, y0;
        int k;
        double value;
        double t, t2;  // expected times; NAN where only a relation is checked below
    };
    SolveCaseFor(20, 45, 0);
    const double T = Param(ParamTime), top = state.motionCase.solution.apexTime, vy0 = Param(ParamVy0);
    const Case cases[] = {
        {"ground level: launch and landing", 45, 0, 2, 0, 0, T},
        {"the apex height: both at the apex", 45, 0, 2, Param(ParamHeight), top, top},
        {"the launch speed: launch and its mirror", 45, 0, 4, 20, 0, 2 * top},
        {"the slowest speed: both at the apex", 45, 0, 4, Param(ParamVx), top, top},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        SolveCaseFor(20, c.angle, c.y0);
        Passages p = Query(c.k, c.value);
        EXPECT_NEAR(p.first.t, c.t, 1e-7);
        EXPECT_NEAR(p.second.t, c.t2, 1e-7);
    }
    // Launch and landing: x2 is the reach, Vy2 the opposite of Vy0.
    SolveCaseFor(20, 45, 0);
    Passages ground = Query(2, 0);
    EXPECT_EQ(ground.first.t, 0);
    EXPECT_NEAR(ground.second.x, Param(ParamReach), 1e-12);
    EXPECT_NEAR(ground.second.vy, -vy0, 1e-12);
    // The apex: no vertical speed, the speed is Vx.
    Passages apex = Query(2, Param(ParamHeight));
    EXPECT_NEAR(apex.first.vy, 0, 1e-7);
    EXPECT_NEAR(apex.first.speed, Param(ParamVx), 1e-9);
    Passages launch = Query(4, 20);
    EXPECT_NEAR(launch.second.vy, -vy0, 1e-12);
    // Between launch height and apex: t <= t_top <= t2, and symmetric about the apex.
    for (double y : {0.5, 3.0, 7.25, 10.0}) {
        SCOPED_TRACE(y);
        Passages p = Query(2, y);
        EXPECT_LE(p.first.t, top);
        EXPECT_GE(p.second.t, top);
        EXPECT_NEAR(p.first.x + p.second.x, 2 * state.motionCase.solution.apexX, 1e-12);
        EXPECT_NEAR(p.second.y, y, 1e-12);
        EXPECT_NEAR(p.first.y, y, 0);  // the given field stays as typed
        EXPECT_NEAR(p.first.vy, -p.second.vy, 1e-12);
    }
    // Downward from 10 m: the launch height is passed before the launch, then at t = 0.
    SolveCaseFor(20, -30, 10);
    Passages down = Query(2, 10);
    EXPECT_NEAR(down.first.t, 2 * Param(ParamVy0) / g, 1e-15);
    EXPECT_NEAR(down.second.t, 0, 1e-15);
}

#if defined(__SIZEOF_FLOAT128__)
using Quad = __float128;
Quad QuadSqrt(Quad a) {
    Quad r = std::sqrt(static_cast<double>(a));
    for (int i = 0; i < 4; ++i) r = (r + a / r) / 2;
    return r;
}

// Just above the launch height the earlier root is a small difference of two nearly equal
// numbers; it must still be right to a few units in the last place of a double.
TEST(PointEquations, TimeJustAboveTheLaunchHeightIsExact) {
    const struct {
        double vo, angle, y0, dy;
    } cases[] = {{20, 45, 0, 1e-9}, {20, 45, 10, 1e-6}, {300, 80, 2.5, 1e-12}, {3, 10, 0, 1e-14}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vo << " m/s, " << c.angle << " deg, y = Y0 + " << c.dy);
        SolveCaseFor(c.vo, c.angle, c.y0);
        const double y = c.y0 + c.dy;
        TrajectoryPoint p = {};
        SolvePoint(state.motionCase.solution, p, 2, y);
        // The same root in 113-bit arithmetic, written the direct way.
        const Quad b = Param(ParamVy0), g = static_cast<Quad>(Gravity);
        const Quad q = static_cast<Quad>(TwoGravity) * (Quad(y) - Quad(c.y0));
        const Quad reference = (b - QuadSqrt(b * b - q)) / g;
        const double ref = static_cast<double>(reference);
        ASSERT_GT(ref, 0);
        EXPECT_NEAR(p.t, ref, 4 * (std::nextafter(ref, 1e300) - ref)) << "relative error " << (p.t - ref) / ref;
    }
}
#endif

// Everything the panel shows stays a number, whatever is typed.
TEST(PointQueries, RefusalsAndFarPointsNeverShowNonNumbers) {
    DialogHandle dialog = OpenMainDialogFake(state);
    SolveCaseFor(20, 45, 0);
    const struct {
        const char* label;
        int k;
        const char* text;
        PointError code;
        const char* caption;
        const char* message;
    } cases[] = {
        {"above the apex", 2, "10.2", PointAboveHeight, "Wrong Y coordinate", "Y must be <= maximum Height"},
        {"negative speed, also below Vx", 4, "-1", PointNegativeSpeed, "Wrong sign", "|V| must be positive"},
        {"no speed", 4, "0", PointBelowVx, "Too low speed", "|V | must be >= Vx"},
        {"decimal comma", 1, "2,5", PointNotNumber, "wrong value", "to x"},
        {"a word", 3, "fast", PointNotNumber, "wrong value", "to Vy"},
        {"beyond a double", 5, "1e400", PointNotNumber, "wrong value", "to t"},
        {"long after landing", 5, "1e200", PointOutOfRange, "Too large value",
         "The point is too far from the launch to be computed"},
        {"huge upward speed", 3, "-1e308", PointOutOfRange, "Too large value",
         "The point is too far from the launch to be computed"},
        {"huge speed", 4, "1e300", PointOutOfRange, "Too large value",
         "The point is too far from the launch to be computed"},
        {"after the landing, below the ground", 5, "4", PointDone, "", ""},
        {"far but finite", 1, "1e150", PointDone, "", ""},
        {"deep below", 2, "-1e300", PointDone, "", ""},
        {"empty reads as 0", 5, "", PointDone, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Fake().messages.clear();
        state.pointQuery.first = {1, 2, 3, 4, 5};
        SetFieldText(dialog, IDC_POINT_BASE + c.k, c.text);
        const PointError code = QueryPoint(dialog, c.k, state);
        EXPECT_EQ(code, c.code);
        ReportPointError(code, c.k, kEnglish);
        if (c.code == PointDone) {
            EXPECT_TRUE(Fake().messages.empty());
            EXPECT_NE(state.pointQuery.first.t, 5);
        } else {
            ASSERT_EQ(Fake().messages.size(), 1u);
            EXPECT_EQ(Fake().messages[0].caption, c.caption);
            EXPECT_EQ(Fake().messages[0].text, c.message);
            EXPECT_EQ(state.pointQuery.first.t, 5);  // the last good point stays
            EXPECT_EQ(state.pointQuery.solutionCount, 1);
        }
        const TrajectoryPoint& p = state.pointQuery.first;
        for (double v : {p.x, p.y, p.vy, p.speed, p.t, state.pointQuery.second.x, state.pointQuery.second.t})
            EXPECT_TRUE(std::isfinite(v));
    }
    // Nothing that reached the canvas came from a non-number: every pixel within the limits.
    for (const auto& call : Canvas().calls) {
        EXPECT_LE(std::abs(call.x), 16384);
        EXPECT_LE(std::abs(call.y), 16384);
    }
}

TEST(PointQueries, XWithoutHorizontalMotionIsRefused) {
    DialogHandle dialog = OpenMainDialogFake(state);
    SolveCaseFor(20, 90, 5);  // straight up: Vo cos = 0
    SetFieldText(dialog, IDC_POINT_BASE + 1, "0");
    EXPECT_EQ(QueryPoint(dialog, 1, state), PointNoHorizontal);
    SetFieldText(dialog, IDC_POINT_BASE + 5, "1");  // a time is still answered
    EXPECT_EQ(QueryPoint(dialog, 5, state), PointDone);
    EXPECT_EQ(state.pointQuery.first.x, 0);
}

// The panel as the user drives it: type into a field, press Accept.
class PointPanel : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = OpenMainDialogFake(state);
        UserTypes(dialog_, IDC_VALUE_BASE + ParamVo, "20");
        UserTypes(dialog_, IDC_VALUE_BASE + ParamAngle, "45");
        UserClicks(dialog_, IDC_ACCEPT);
        ASSERT_TRUE(FakeOf(dialog_).controls[IDC_POINT_ACCEPT].enabled);
    }
    void Ask(int k, const std::string& text) {
        UserTypes(dialog_, IDC_POINT_BASE + k, text);
        UserClicks(dialog_, IDC_POINT_ACCEPT);
    }
    std::string Text(int id) { return GetFieldText(dialog_, id); }
    bool Enabled(int id) { return FakeOf(dialog_).controls[id].enabled; }
    DialogHandle dialog_ = nullptr;
};

TEST_F(PointPanel, EachFieldAsksItsOwnQuestion) {
    for (const auto& c : kPointCases) {
        SCOPED_TRACE(c.k);
        Ask(c.k, c.text);
        EXPECT_TRUE(Fake().messages.empty());
        for (int k = 1; k <= 5; ++k) EXPECT_EQ(Text(IDC_POINT_BASE + k), c.fields[k - 1]) << k;
        const bool two = c.k == 2 || c.k == 4;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Text(IDC_SECOND_X + i), c.second[i]);
            EXPECT_EQ(Enabled(IDC_SECOND_X + i), two);
        }
        EXPECT_EQ(state.pointQuery.solutionCount, two ? 2 : 1);
        EXPECT_EQ(state.pointInput, IDC_POINT_BASE + c.k);
        // The writes re-enabled the button through their change notifications; then it was
        // disabled, and only typing into a field enables it again.
        EXPECT_FALSE(Enabled(IDC_POINT_ACCEPT));
        // The clicked button lost the focus to the field asked, not to nothing.
        EXPECT_EQ(FocusedField(dialog_), IDC_POINT_BASE + c.k);
    }
    EXPECT_TRUE(state.pointQuery.pointShown);
    UserTypes(dialog_, IDC_VALUE_BASE + ParamVo, "25");
    EXPECT_FALSE(Enabled(IDC_POINT_ACCEPT));
    UserTypes(dialog_, IDC_POINT_BASE + 5, "1");
    EXPECT_TRUE(Enabled(IDC_POINT_ACCEPT));
}

// Far points have long numbers: the statics show them whole, with fewer digits.
TEST_F(PointPanel, SecondSolutionShowsLongNumbersWhole) {
    const struct {
        const char* label;
        int k;
        const char* text;
        const char* second[3];
    } cases[] = {
        {"deep below the ground", 2, "-1e308",
         {"x2: 6.385508568141E+0154", "Vy2: -4.42944691807E+0154", "t2: 4.515236409857E+0153"}},
        {"a huge speed", 4, "1.5e20",
         {"x2: 2.162406058674E+0020", "Vy2: -1.50000000000E+0020", "t2: 1.529051987768E+0019"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Ask(c.k, c.text);
        EXPECT_TRUE(Fake().messages.empty());
        for (int i = 0; i < 3; ++i) EXPECT_EQ(Text(IDC_SECOND_X + i), c.second[i]);
    }
}

TEST_F(PointPanel, RefusalShowsTheLastGoodPointAgain) {
    Ask(2, "5");
    const std::string x = Text(IDC_POINT_BASE + 1);
    Ask(2, "11");  // above the apex
    ASSERT_EQ(Fake().messages.size(), 1u);
    EXPECT_EQ(Fake().messages[0].caption, "Wrong Y coordinate");
    EXPECT_EQ(Text(IDC_POINT_BASE + 2), "  5.00");  // the typed value is replaced
    EXPECT_EQ(Text(IDC_POINT_BASE + 1), x);
    EXPECT_EQ(Text(IDC_SECOND_X), "x2: ");
    EXPECT_FALSE(Enabled(IDC_SECOND_X));
    EXPECT_EQ(state.pointInput, IDC_POINT_BASE + 2);
    EXPECT_EQ(FocusedField(dialog_), IDC_POINT_BASE + 2);
    Ask(4, "abc");
    ASSERT_EQ(Fake().messages.size(), 2u);
    EXPECT_EQ(Fake().messages[1].caption, "wrong value");
    EXPECT_EQ(Fake().messages[1].text, "to |V|");
    EXPECT_EQ(Text(IDC_POINT_BASE + 4), " 17.38");
}

TEST_F(PointPanel, FirstRefusalShowsTheZeroPoint) {
    Ask(4, "-3");
    EXPECT_EQ(Fake().messages.at(0).caption, "Wrong sign");
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(Text(IDC_POINT_BASE + k), "  0.00") << k;
}

TEST_F(PointPanel, AcceptWithoutATypedPointFieldDoesNothing) {
    UserTypes(dialog_, IDC_VALUE_BASE + ParamVo, "25");  // not a point field
    state.lastPointField = IDC_VALUE_BASE + ParamVo;
    UserClicks(dialog_, IDC_POINT_ACCEPT);
    EXPECT_TRUE(Fake().messages.empty());
    EXPECT_EQ(Text(IDC_POINT_BASE + 1), "");
    EXPECT_EQ(state.pointQuery.solutionCount, 0);
    state.lastPointField = IDC_POINT_BASE + 1 + 256;  // a point field's low byte, not a point field
    UserClicks(dialog_, IDC_POINT_ACCEPT);
    EXPECT_EQ(state.pointQuery.solutionCount, 0);
}

}  // namespace
