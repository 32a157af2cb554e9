// The drawing area beyond the case: the pointer's column and its point of the path, the hover
// marker, the click that asks the point panel, the earlier paths, the menu and the play, through
// the fake dialog, canvas, menu and clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "app/plot_view.h"
#include "physics/motion.h"
#include "plot/hover.h"
#include "plot/play.h"
#include "resources/ids.h"
#include "tests/support/fake_canvas.h"
#include "tests/support/fake_menu.h"
#include "tests/support/fake_timer.h"
#include "tests/support/main_dialog_fake.h"
#include "tests/support/motion_cases.h"
#include "text/number_text.h"
#include "text/status_text.h"

namespace {

class PlotViewLogic : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = OpenMainDialogFake(state_);
        ResetCanvas(400, 140);
    }
    void TearDown() override {
        ClosePlotView(dialog_, state_);
        EXPECT_EQ(Canvas().openContexts, 0);
        EXPECT_EQ(Canvas().liveRegions, 0);
        EXPECT_EQ(Canvas().liveStores, 0) << "kept pixels not given back";
        EXPECT_FALSE(Canvas().misuse);
    }
    // Ticks the given pair with these values, from launch height y0, and presses Accept.
    void Solve(int first, const char* a, int second, const char* b, const char* y0 = "0") {
        for (int p = 1; p <= 7; ++p) SetFieldChecked(dialog_, IDC_GIVEN_BASE + p, p == first || p == second);
        MainDialogCommand(dialog_, IDC_GIVEN_BASE + second, ControlEvent::Command, state_);  // reads the boxes
        SetFieldText(dialog_, IDC_LAUNCH_HEIGHT, y0);
        UserTypes(dialog_, IDC_VALUE_BASE + first, a);
        UserTypes(dialog_, IDC_VALUE_BASE + second, b);
        UserClicks(dialog_, IDC_ACCEPT);
        Fake().messages.clear();
    }
    std::string Text(int id) { return FakeOf(dialog_).controls.at(id).text; }
    std::vector<CanvasOp> OpsSince(std::size_t first) {
        std::vector<CanvasOp> ops;
        for (std::size_t i = first; i < Canvas().calls.size(); ++i) ops.push_back(Canvas().calls[i].op);
        return ops;
    }
    // A key as the dialog passes it on: the plot's name for it and a code of the physical key.
    static int CodeOf(PlotKey key) { return 1 + static_cast<int>(key); }
    bool KeyDown(PlotKey key, bool repeat = false) { return PlotKeyDown(dialog_, state_, key, repeat, CodeOf(key)); }
    int Px(double x) const { return WorldToPixelX(state_.plotFrame, x); }
    int Py(double y) const { return WorldToPixelY(state_.plotFrame, y); }
    const CanvasCall& LastEllipse() {
        static const CanvasCall none;
        const auto ellipses = CallsOf(CanvasOp::Ellipse);
        last_ = ellipses.empty() ? none : ellipses.back();
        return last_;
    }
    AppState state_;
    DialogHandle dialog_;
    CanvasCall last_;
};

TEST_F(PlotViewLogic, PointerColumnsMapToThePathsXAndBack) {
    Solve(ParamVo, "20", ParamAngle, "45");
    const PlotFrame& f = state_.plotFrame;
    const Solution& s = state_.motionCase.solution;
    const double R = s.values[ParamReach];
    int launch = 0, landing = 0;
    ASSERT_TRUE(PathColumns(f, s, launch, landing));
    EXPECT_EQ(launch, Px(0));
    EXPECT_EQ(landing, Px(R));
    const struct {
        const char* label;
        int px, py;
        bool inSpan;
        double x;  // NAN: x1 + px / sx
    } cases[] = {
        {"left edge of the area", 0, 70, false, 0},
        {"one column before the launch", launch - 1, 70, false, 0},
        {"the launch column: exactly 0", launch, 70, true, 0},
        {"just after the launch", launch + 1, 70, true, NAN},
        {"mid-span", (launch + landing) / 2, 70, true, NAN},
        {"just before the landing", landing - 1, 70, true, NAN},
        {"the landing column: exactly the reach", landing, 70, true, R},
        {"one column past the landing", landing + 1, 70, false, 0},
        {"right edge of the area", f.width - 1, 70, false, 0},
        {"top row", launch + 5, 0, true, NAN},
        {"bottom row", launch + 5, f.height - 1, true, NAN},
        {"above the area", launch + 5, -1, false, 0},
        {"below the area", launch + 5, f.height, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        double x = -1;
        ASSERT_EQ(PointerToPathX(f, s, c.px, c.py, x), c.inSpan);
        if (!c.inSpan) continue;
        if (std::isnan(c.x)) EXPECT_NEAR(x, f.x1 + c.px / f.sx, 1e-12 * R);
        else EXPECT_EQ(x, c.x);
        EXPECT_EQ(Px(x), c.px) << "back to the same column";
    }
    // Every column of the span maps to an x that maps back to it.
    for (int px = launch; px <= landing; ++px) {
        double x = 0;
        ASSERT_TRUE(PointerToPathX(f, s, px, 10, x));
        ASSERT_EQ(Px(x), px) << px;
    }
}

// The status line against the point equations written out here, and the marker on the path at
// that point; a move redraws the marker alone: no clearing, no line of the plot.
TEST_F(PlotViewLogic, HoverShowsThePathsPointAndMovesOnlyTheMarker) {
    Solve(ParamVo, "20", ParamAngle, "45");
    const double theta = 45 * 3.14159265358979323846 / 180, g = 9.81;
    for (double fraction : {0.0, 0.13, 0.5, 0.77, 1.0}) {
        SCOPED_TRACE(fraction);
        int launch = 0, landing = 0;
        ASSERT_TRUE(PathColumns(state_.plotFrame, state_.motionCase.solution, launch, landing));
        const int px = launch + static_cast<int>(std::lround(fraction * (landing - launch)));
        const std::size_t before = Canvas().calls.size();
        const bool first = !state_.view.hovering;
        PlotPointerMoved(dialog_, state_, px, 30);

        const double x = px == launch ? 0 : px == landing ? state_.motionCase.solution.values[ParamReach]
                                                           : state_.plotFrame.x1 + px / state_.plotFrame.sx;
        const double t = x / (20 * std::cos(theta));
        const TrajectoryPoint p = {x, 20 * std::sin(theta) * t - g * t * t / 2, 20 * std::sin(theta) - g * t,
                                   std::hypot(20 * std::cos(theta), 20 * std::sin(theta) - g * t), t};
        EXPECT_EQ(Text(IDC_STATUS), PointStatusText(p, state_.motionCase.solution, kEnglish));
        EXPECT_EQ(LastEllipse().x + LastEllipse().right, 2 * Px(p.x) + 1) << "centred on the point";
        EXPECT_EQ(LastEllipse().y + LastEllipse().bottom, 2 * Py(p.y) + 1);
        EXPECT_EQ(LastEllipse().pen, CanvasPen::Marker);
        using O = CanvasOp;
        std::vector<CanvasOp> moved = {O::Begin, O::Clip, O::Restore, O::Save, O::Pen, O::Brush, O::Ellipse,
                                       O::FreeRegion, O::End};
        if (first) moved.erase(moved.begin() + 2);  // nothing to put back yet
        EXPECT_EQ(OpsSince(before), moved);
    }
    // The same column again costs nothing; leaving the span puts the pixels back.
    const std::size_t before = Canvas().calls.size();
    PlotPointerMoved(dialog_, state_, state_.view.hoverColumn, 60);
    EXPECT_EQ(Canvas().calls.size(), before);
    PlotPointerMoved(dialog_, state_, 0, 60);
    EXPECT_EQ(OpsSince(before), (std::vector<CanvasOp>{CanvasOp::Begin, CanvasOp::Clip, CanvasOp::Restore,
                                                       CanvasOp::FreeRegion, CanvasOp::End}));
    EXPECT_EQ(Text(IDC_STATUS), "Lands 40.775 m away after 2.883 s; highest 10.194 m at 1.442 s");
}

// A click asks the point panel for the x under the pointer, written with the digits the plot's
// scale needs (two for a case of metres), which the field keeps: its mark stands in the clicked
// column, the other fields answer with two decimals, and the panel's Accept is greyed.
TEST_F(PlotViewLogic, AClickAsksThePointPanelForTheXUnderThePointer) {
    for (const char* vo : {"20", "0.5", "0.001", "1e-12"}) {  // reaches of 40 m down to 1e-25 m
        SCOPED_TRACE(vo);
        dialog_ = OpenMainDialogFake(state_);
        ResetCanvas(400, 140);
        Solve(ParamVo, vo, ParamAngle, "45");
        const int px = Px(0.37 * state_.motionCase.solution.values[ParamReach]);
        double x = 0, asked = 0;
        ASSERT_TRUE(PointerToPathX(state_.plotFrame, state_.motionCase.solution, px, 50, x));
        Canvas().calls.clear();
        PlotClicked(dialog_, state_, px, 50);
        ASSERT_TRUE(ParseReal(Text(IDC_POINT_BASE + 1), asked)) << Text(IDC_POINT_BASE + 1);
        EXPECT_NEAR(asked, x, 0.25 / state_.plotFrame.sx) << Text(IDC_POINT_BASE + 1);
        if (vo[0] == '2') {
            EXPECT_EQ(Text(IDC_POINT_BASE + 1), FormatFixed(x, 6, 2));
        }
        ASSERT_FALSE(CallsOf(CanvasOp::MoveTo).empty());
        EXPECT_EQ(CallsOf(CanvasOp::MoveTo).end()[-2].x, px) << "the mark stands in the clicked column";
        TrajectoryPoint expected = {};
        SolvePoint(state_.motionCase.solution, expected, 1, asked);
        EXPECT_EQ(Text(IDC_POINT_BASE + 5), FormatFixed(expected.t, 6, 2));
        EXPECT_FALSE(FakeOf(dialog_).controls.at(IDC_POINT_ACCEPT).enabled);
        ClosePlotView(dialog_, state_);
    }
}

// A solve takes the ring off the path before it draws: a case that draws nothing (a vertical
// launch, no movement) must not leave it standing on the old path.
TEST_F(PlotViewLogic, ASolveHidesTheRingEvenWhenItDrawsNothing) {
    for (const char* angle : {"90", "-30", "60"}) {
        SCOPED_TRACE(angle);
        dialog_ = OpenMainDialogFake(state_);
        ResetCanvas(400, 140);
        Solve(ParamVo, "20", ParamAngle, "45");
        PlotPointerMoved(dialog_, state_, Px(20), 30);
        ASSERT_TRUE(state_.view.overlay.shown);
        const std::size_t before = Canvas().calls.size();
        Solve(ParamVo, "20", ParamAngle, angle);
        const std::vector<CanvasOp> ops = OpsSince(before);
        ASSERT_FALSE(ops.empty());
        EXPECT_EQ(std::count(ops.begin(), ops.end(), CanvasOp::Restore), 1) << "its pixels put back";
        EXPECT_EQ(std::count(ops.begin(), ops.end(), CanvasOp::Ellipse), 0);
        EXPECT_FALSE(state_.view.overlay.shown);
        EXPECT_FALSE(state_.view.hovering);
        ClosePlotView(dialog_, state_);
    }
}

// Without a case on screen with a horizontal extent the pointer does nothing: no marker, no
// status change, no question; the menu greys Play.
TEST_F(PlotViewLogic, HoverAndClickDoNothingWithoutASpan) {
    const struct {
        const char* label;
        int first, second;
        const char *a, *b;
        bool solve;
    } cases[] = {
        {"nothing solved", 0, 0, "", "", false},
        {"vertical launch", ParamVo, ParamAngle, "20", "90", true},
        {"no movement", ParamVo, ParamAngle, "20", "-30", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        dialog_ = OpenMainDialogFake(state_);
        ResetCanvas(400, 140);
        if (c.solve) Solve(c.first, c.a, c.second, c.b);
        const std::string status = Text(IDC_STATUS);
        Canvas().calls.clear();
        for (int px = 0; px < 400; px += 7) {
            PlotPointerMoved(dialog_, state_, px, 70);
            PlotClicked(dialog_, state_, px, 70);
        }
        PlotDoubleClicked(dialog_, state_, 200, 70);
        EXPECT_TRUE(KeyDown(PlotKey::Play)) << "F5 is the plot's, but";
        EXPECT_FALSE(state_.view.playing) << "nothing plays";
        EXPECT_TRUE(Canvas().calls.empty());
        EXPECT_EQ(Text(IDC_STATUS), status);
        EXPECT_EQ(Text(IDC_POINT_BASE + 1), "");
        EXPECT_TRUE(Fake().messages.empty());
        PlotMenu(dialog_, state_, 5, 5);
        ASSERT_EQ(Menu().popupIds.size(), 4u);
        EXPECT_EQ(Menu().popupIds[0], unsigned(IDM_PLAY));
        EXPECT_FALSE(Menu().popupEnabled[0]) << "Play greyed";
    }
    // Outside the span of a case that has one, too.
    Solve(ParamVo, "20", ParamAngle, "45");
    Canvas().calls.clear();
    PlotPointerMoved(dialog_, state_, Px(0) - 2, 70);
    PlotClicked(dialog_, state_, Px(0) - 2, 70);
    EXPECT_TRUE(Canvas().calls.empty());
    EXPECT_EQ(Text(IDC_POINT_BASE + 1), "");
}

TEST_F(PlotViewLogic, TheTimelinePlaysRealTimeBetweenOneAndEightSeconds) {
    const struct {
        double flightTime, duration, scale;
    } cases[] = {{0.25, 1, 0.25}, {0.999, 1, 0.999}, {1, 1, 1}, {2.883, 2.883, 1}, {8, 8, 1}, {32, 8, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flightTime);
        const PlayTimeline timeline = MakePlayTimeline(c.flightTime);
        EXPECT_EQ(timeline.duration, c.duration);
        EXPECT_DOUBLE_EQ(timeline.scale, c.scale);
        EXPECT_EQ(PlayTimeAt(timeline, -1), 0);
        EXPECT_EQ(PlayTimeAt(timeline, 0), 0);
        EXPECT_DOUBLE_EQ(PlayTimeAt(timeline, c.duration / 2), c.flightTime / 2);
        EXPECT_LT(PlayTimeAt(timeline, c.duration * (1 - 1e-9)), c.flightTime);
        EXPECT_EQ(PlayTimeAt(timeline, c.duration), c.flightTime) << "the last frame is exactly at the landing";
        EXPECT_EQ(PlayTimeAt(timeline, c.duration * 3), c.flightTime);
        EXPECT_FALSE(PlayOver(timeline, c.duration));
        EXPECT_TRUE(PlayOver(timeline, c.duration + kPlayRestSeconds));
    }
}

TEST_F(PlotViewLogic, PlayFliesTheBallAndLeavesThePlotAsItWas) {
    const struct {
        const char* label;
        const char *vo, *angle;
        const char* scaleNote;  // after the time in the status line
    } cases[] = {{"real time", "20", "45", ""}, {"a short hop, slowed down", "2", "30", "  (\xD7" "0.2)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        dialog_ = OpenMainDialogFake(state_);
        ResetCanvas(400, 140);
        Solve(ParamVo, c.vo, ParamAngle, c.angle);
        const Solution& s = state_.motionCase.solution;
        const double T = s.values[ParamTime];
        ASSERT_TRUE(KeyDown(PlotKey::Play));  // F5
        ASSERT_TRUE(Timer().ticking);
        EXPECT_GE(1000 / Timer().period, 50) << "frames a second";
        EXPECT_EQ(LastEllipse().pen, CanvasPen::BallEdge);
        EXPECT_EQ(LastEllipse().x + LastEllipse().right, 2 * Px(0) + 1) << "launched at the origin";
        const double duration = state_.view.timeline.duration;
        for (double elapsed = 0.1; elapsed < duration; elapsed += 0.1) {
            Timer().now += 0.1;
            PlayTick(dialog_, state_);
        }
        Timer().now = state_.view.playStart + duration;
        PlayTick(dialog_, state_);
        EXPECT_EQ(state_.view.ball.t, T) << "the last frame at the landing";
        EXPECT_EQ(LastEllipse().x + LastEllipse().right, 2 * Px(s.values[ParamReach]) + 1);
        EXPECT_EQ(Text(IDC_STATUS), PointStatusText(state_.view.ball, s, kEnglish) + c.scaleNote);
        const std::size_t before = Canvas().calls.size();
        Timer().now += kPlayRestSeconds + 1e-6;
        PlayTick(dialog_, state_);
        EXPECT_FALSE(state_.view.playing);
        EXPECT_FALSE(Timer().ticking);
        EXPECT_EQ(OpsSince(before), (std::vector<CanvasOp>{CanvasOp::Begin, CanvasOp::Clip, CanvasOp::Restore,
                                                           CanvasOp::FreeRegion, CanvasOp::End}))
            << "only the ball's square is put back";
        EXPECT_EQ(Text(IDC_STATUS), CaseStatusText(s, nullptr, kEnglish));
        ClosePlotView(dialog_, state_);
    }
}

TEST_F(PlotViewLogic, EscAKeyAClickOrANewSolveStopThePlay) {
    const struct {
        const char* label;
        PlotKey key;  // Other: not a key
        bool click, solve, taken;
    } cases[] = {
        {"Esc, which then does not close", PlotKey::Escape, false, false, true},
        {"F5 again", PlotKey::Play, false, false, true},
        {"any other key, which then does nothing else", PlotKey::Other, false, false, true},
        {"a click on the area", PlotKey::Other, true, false, false},
        {"a new solve", PlotKey::Other, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        dialog_ = OpenMainDialogFake(state_);
        ResetCanvas(400, 140);
        Solve(ParamVo, "20", ParamAngle, "45");
        UserClicks(dialog_, IDM_PLAY);
        ASSERT_TRUE(state_.view.playing);
        if (c.click) PlotClicked(dialog_, state_, Px(10), 50);
        else if (c.solve) Solve(ParamVo, "25", ParamAngle, "45");
        else EXPECT_EQ(KeyDown(c.key), c.taken);
        EXPECT_FALSE(state_.view.playing);
        EXPECT_FALSE(Timer().ticking);
        EXPECT_EQ(Text(IDC_POINT_BASE + 1), "") << "the click asked nothing";
        EXPECT_EQ(FakeOf(dialog_).endResult, -1);
        ClosePlotView(dialog_, state_);
    }
    // Without a play, Esc is the dialog's: it closes it.
    EXPECT_FALSE(KeyDown(PlotKey::Escape));
}

// A key the plot takes (one that stops the play, F5, the menu key) is spent whole: while it is
// held its repeats are the plot's and do nothing, and so is its release; the next press of it
// is a key like any other.
TEST_F(PlotViewLogic, AKeyThePlotTookIsSpentWhole) {
    enum Step { Down, Repeat, Up };
    const struct {
        const char* label;
        bool playing;  // the shot plays before the first step
        PlotKey key;
        std::vector<Step> steps;
        std::vector<bool> taken;  // by step
        bool playingAfter;
        int menus;  // the plot's menus opened
    } cases[] = {
        {"Esc held during the play: the dialog stays", true, PlotKey::Escape, {Down, Repeat, Repeat, Up, Down},
         {true, true, true, true, false}, false, 0},
        {"repeats that do not say so, as Wine sends them", true, PlotKey::Escape, {Down, Down, Up, Down},
         {true, true, true, false}, false, 0},
        {"a letter held during the play: typed nowhere", true, PlotKey::Other, {Down, Repeat, Up, Down},
         {true, true, true, false}, false, 0},
        {"F5 held during the play: it stays stopped", true, PlotKey::Play, {Down, Repeat, Up},
         {true, true, true}, false, 0},
        {"F5 held from the start: it keeps playing", false, PlotKey::Play, {Down, Repeat, Repeat, Up},
         {true, true, true, true}, true, 0},
        {"the menu key held: one menu, and the release goes nowhere", false, PlotKey::Menu, {Down, Repeat, Up},
         {true, true, true}, false, 1},
        {"the menu key during the play: it stops and opens the menu", true, PlotKey::Menu, {Down, Repeat, Up},
         {true, true, true}, false, 1},
        {"Esc held with nothing playing: the dialog's", false, PlotKey::Escape, {Down, Repeat, Up},
         {false, false, false}, false, 0},
        {"a letter with nothing playing: the field's", false, PlotKey::Other, {Down, Repeat, Up},
         {false, false, false}, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        dialog_ = OpenMainDialogFake(state_);
        ResetCanvas(400, 140);
        Solve(ParamVo, "20", ParamAngle, "45");
        if (c.playing) UserClicks(dialog_, IDM_PLAY);
        ASSERT_EQ(state_.view.playing, c.playing);
        const int menus = Menu().popups;
        ASSERT_EQ(c.steps.size(), c.taken.size());
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            SCOPED_TRACE(i);
            const bool taken = c.steps[i] == Up ? PlotKeyUp(state_, CodeOf(c.key)) : KeyDown(c.key, c.steps[i] == Repeat);
            EXPECT_EQ(taken, c.taken[i]);
        }
        EXPECT_EQ(state_.view.playing, c.playingAfter);
        EXPECT_EQ(Menu().popups - menus, c.menus);
        ClosePlotView(dialog_, state_);
    }
}

// Each solve sends the case on screen to the earlier paths, four at most, the newest first; a
// refused one changes nothing; they are drawn first, the oldest in the lightest grey, and Clear
// forgets them.
TEST_F(PlotViewLogic, EarlierPathsFollowTheSolvesAndAreDrawnBehind) {
    const struct {
        const char* label;
        const char* angle;
        int kept;
    } steps[] = {{"the first case", "30", 0},        {"a second", "45", 1},  {"a third", "60", 2},
                 {"refused: angle 95", "95", 2},     {"the same again", "60", 2}, {"no movement", "-30", 3},
                 {"after no movement: nothing to keep", "50", 3}, {"a fourth", "40", 4},
                 {"the oldest goes", "35", 4}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.label);
        Canvas().calls.clear();
        Solve(ParamVo, "20", ParamAngle, step.angle);
        EXPECT_EQ(state_.view.earlier.count, step.kept);
    }
    std::vector<CanvasPen> pens;
    for (const auto& call : CallsOf(CanvasOp::Pen)) pens.push_back(call.pen);
    ASSERT_GE(pens.size(), 5u);
    EXPECT_EQ(std::vector<CanvasPen>(pens.begin(), pens.begin() + 5),
              (std::vector<CanvasPen>{CanvasPen::EarlierPath4, CanvasPen::EarlierPath3, CanvasPen::EarlierPath2,
                                      CanvasPen::EarlierPath1, CanvasPen::Black}))
        << "oldest first, then back to black for the axes";
    std::vector<double> angles;
    for (int i = 0; i < state_.view.earlier.count; ++i) angles.push_back(state_.view.earlier.paths[i].values[ParamAngle]);
    EXPECT_EQ(angles, (std::vector<double>{40, 50, 60, 45}));
    // They may leave the case's window: they are kept inside the area's border, which the
    // case's own drawing may reach.
    const auto narrowed = CallsOf(CanvasOp::NarrowClip);
    ASSERT_EQ(narrowed.size(), 1u);
    EXPECT_EQ(std::vector<int>({narrowed[0].x, narrowed[0].y, narrowed[0].right, narrowed[0].bottom}),
              std::vector<int>({1, 1, 399, 139}));
    const auto& calls = Canvas().calls;
    std::size_t select = 0, axis = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].op == CanvasOp::SelectClip) select = i;
        if (calls[i].op == CanvasOp::MoveTo && calls[i].x == Px(0) && calls[i].y == Py(0) && !axis && select) axis = i;
    }
    EXPECT_GT(axis, select) << "the full area again before the axes";
    // Clear, from the plot's menu.
    Menu().popupChoice = IDM_CLEAR_PATHS;
    Canvas().calls.clear();
    PlotMenu(dialog_, state_, 10, 10);
    EXPECT_EQ(state_.view.earlier.count, 0);
    ASSERT_FALSE(CallsOf(CanvasOp::Clear).empty()) << "drawn again";
    for (const auto& call : CallsOf(CanvasOp::Pen)) EXPECT_NE(call.pen, CanvasPen::EarlierPath1);
}

TEST_F(PlotViewLogic, VoWithReachDrawsTheSteeperPathAndSaysItsAngle) {
    Solve(ParamVo, "20", ParamReach, "20");
    ASSERT_TRUE(state_.view.hasSteeper);
    EXPECT_EQ(Text(IDC_STATUS),
              "Lands 20.000 m away after 1.034 s; highest 1.310 m at 0.517 s; also lands there at 75.313\xB0");
    const auto pens = CallsOf(CanvasOp::Pen);
    ASSERT_GE(pens.size(), 2u);
    EXPECT_EQ(pens[0].pen, CanvasPen::SteeperPath);
    // Its vertices: the steeper launch's, at the case's scale, the last at its landing.
    std::vector<CanvasCall> lines = CallsOf(CanvasOp::LineTo);
    const std::size_t segments = TrajectoryTimes(state_.view.steeper.values[ParamTime]).size();
    ASSERT_GT(lines.size(), segments);
    EXPECT_EQ(lines[segments - 1].pen, CanvasPen::SteeperPath);
    EXPECT_EQ(lines[segments - 1].x, Px(20));
    EXPECT_EQ(lines[segments - 1].y, Py(0));
    Solve(ParamVo, "20", ParamAngle, "45");
    EXPECT_FALSE(state_.view.hasSteeper);
}

// The window holds the case and its steeper path whole, the reach label too; the axes run
// 1.1 times their extent, and on under and beside an earlier path that goes farther or higher.
TEST_F(PlotViewLogic, TheWindowFitsTheSteeperPathAndTheAxesRunUnderEveryPath) {
    const struct {
        const char *earlierVo, *earlierAngle;  // solved first, when given
        int second;
        const char *value, *y0;
    } cases[] = {{nullptr, nullptr, ParamReach, "30", "0"}, {nullptr, nullptr, ParamReach, "30", "10"},
                 {"30", "45", ParamAngle, "20", "0"},    {"25", "15", ParamAngle, "20", "0"},
                 {"20", "80", ParamAngle, "20", "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.earlierVo ? c.earlierVo : "-") << " then Vo 20, " << c.value);
        dialog_ = OpenMainDialogFake(state_);
        ResetCanvas(400, 140);
        if (c.earlierVo) Solve(ParamVo, c.earlierVo, ParamAngle, c.earlierAngle);
        Canvas().calls.clear();
        Solve(ParamVo, "20", c.second, c.value, c.y0);
        const Solution& fit = state_.view.hasSteeper ? state_.view.steeper : state_.motionCase.solution;
        double xEnd = 1.1 * fit.values[ParamReach], yEnd = 1.1 * fit.values[ParamHeight];
        for (int i = 0; i < state_.view.earlier.count; ++i) {
            xEnd = std::max(xEnd, state_.view.earlier.paths[i].values[ParamReach]);
            yEnd = std::max(yEnd, state_.view.earlier.paths[i].values[ParamHeight]);
        }
        std::vector<CanvasCall> axes;
        for (const auto& line : CallsOf(CanvasOp::LineTo)) {
            if (line.pen == CanvasPen::Black) axes.push_back(line);
            if (line.pen != CanvasPen::SteeperPath) continue;
            EXPECT_TRUE(line.x >= 0 && line.x <= 400 && line.y >= 0 && line.y <= 140) << line.x << ", " << line.y;
        }
        ASSERT_GE(axes.size(), 2u);
        EXPECT_EQ(axes[0].x, Px(xEnd));
        EXPECT_EQ(axes[1].y, Py(yEnd));
        for (const auto& label : CallsOf(CanvasOp::Text)) EXPECT_LT(label.y + 12, 140) << label.text;
        ClosePlotView(dialog_, state_);
    }
}

TEST_F(PlotViewLogic, TheMenuComesFromItsTableAndRunsTheChoice) {
    Solve(ParamVo, "20", ParamAngle, "45");
    Menu().popupChoice = IDM_PLAY;
    EXPECT_TRUE(KeyDown(PlotKey::Menu));  // Shift+F10 or the menu key
    EXPECT_EQ(Menu().popupTexts, (std::vector<std::string>{"&Play the shot\tF5", "&Clear earlier paths",
                                                          "C&opy case\tCtrl+C", "Save plot &picture..."}));
    EXPECT_EQ(Menu().popupEnabled, (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(Menu().popupX, 200);  // from the keyboard: the middle of the area
    EXPECT_EQ(Menu().popupY, 70);
    EXPECT_TRUE(state_.view.playing);
}

}  // namespace
