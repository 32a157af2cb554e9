// The plot frame and the trajectory drawing, asserted on the calls the recording canvas saw.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "app/point_panel.h"
#include "physics/motion.h"
#include "physics/point.h"
#include "plot/trajectory.h"
#include "resources/ids.h"
#include "tests/support/fake_canvas.h"
#include "tests/support/motion_cases.h"
#include "tests/support/main_dialog_fake.h"
#include "text/number_text.h"

namespace {

// The program's state for the tests of this file; each test starts it afresh.
AppState state;

// A solved case straight from the solver: Vo and angle given, from launch height y0.
void SolveCaseFor(double vo, double angle, double y0) {
    ASSERT_EQ(SolveCase(GiveCase(ParamVo, vo, ParamAngle, angle, y0), state.motionCase.solution), SolveResult::Solved);
    state.motionCase.solved = true;
}

bool DrawSolvedCase() {
    return DrawTrajectory(state.plotFrame, state.plotWindow, state.motionCase.solution);
}

class Plot : public testing::Test {
protected:
    void SetUp() override {
        ResetCanvas(400, 140);
        state = AppState();
        state.plotWindow = FakePlotWindow();
    }
    void TearDown() override {
        EXPECT_EQ(Canvas().openContexts, 0) << "a context was not given back";
        EXPECT_EQ(Canvas().liveRegions, 0) << "a clip region was not freed";
        EXPECT_FALSE(Canvas().misuse);
    }
    static int Px(double x) { return WorldToPixelX(state.plotFrame, x); }
    static int Py(double y) { return WorldToPixelY(state.plotFrame, y); }
};

TEST_F(Plot, FitsTheWorldWindowToTheAreaWithEqualScales) {
    const struct {
        const char* label;
        int width, height;
        double x1, y1, x2, y2;
        bool keepAspect;
        double fx1, fy1, fx2, fy2, sx, sy;
    } cases[] = {
        {"wider area: widened along x", 300, 100, 0, 0, 100, 50, true, -25, 0, 125, 50, 2, 2},
        {"wider world: widened along y", 300, 100, 0, 0, 600, 50, true, 0, -75, 600, 125, 0.5, 0.5},
        {"equal aspects: unchanged", 300, 100, 0, 0, 30, 10, true, 0, 0, 30, 10, 10, 10},
        {"no fit asked", 300, 100, 0, 0, 600, 50, false, 0, 0, 600, 50, 0.5, 2},
        {"inverted both ways: mirrored", 300, 100, 100, 50, 0, 0, true, 125, 50, -25, 0, -2, -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ResetCanvas(c.width, c.height);
        PlotFrame frame = {};
        ASSERT_TRUE(SetupPlotFrame(frame, FakePlotWindow(), c.x1, c.y1, c.x2, c.y2, c.keepAspect));
        EXPECT_DOUBLE_EQ(frame.x1, c.fx1);
        EXPECT_DOUBLE_EQ(frame.y1, c.fy1);
        EXPECT_DOUBLE_EQ(frame.x2, c.fx2);
        EXPECT_DOUBLE_EQ(frame.y2, c.fy2);
        EXPECT_DOUBLE_EQ(frame.sx, c.sx);
        EXPECT_DOUBLE_EQ(frame.sy, c.sy);
        EXPECT_EQ(frame.width, c.width);
        EXPECT_EQ(frame.height, c.height);
        ClosePlotFrame(frame);
        // The area is cleared with one rectangle before the clip, and the context goes back.
        ASSERT_EQ(Canvas().calls.size(), 5u);
        EXPECT_EQ(Canvas().calls[1].op, CanvasOp::Clear);
        EXPECT_EQ(Canvas().calls[1].x, c.width);
        EXPECT_EQ(Canvas().calls[1].y, c.height);
        EXPECT_EQ(Canvas().calls[2].op, CanvasOp::Clip);
    }
}

TEST_F(Plot, MapsWorldToPixelsRoundingHalvesToEven) {
    ResetCanvas(300, 100);
    ASSERT_TRUE(SetupPlotFrame(state.plotFrame, FakePlotWindow(), 0, 0, 300, 100, false));
    const struct {
        double x, y;
        int px, py;
    } cases[] = {
        {0, 0, 0, 100},      {300, 100, 300, 0},  {2.5, 0.5, 2, 100},  {3.5, 1.5, 4, 98},
        {-0.5, -0.5, 0, 100}, {-1.5, 99.5, -2, 0}, {2.4999, 0.4999, 2, 100},
        {1e300, -1e300, kPixelLimit, kPixelLimit},
        {-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
         -kPixelLimit, -kPixelLimit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
        EXPECT_EQ(Px(c.x), c.px);
        EXPECT_EQ(Py(c.y), c.py);
    }
    ClosePlotFrame(state.plotFrame);
}

TEST_F(Plot, EmptyWindowIsRefusedWithNothingDrawn) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* label;
        double x1, y1, x2, y2;
    } cases[] = {
        {"no width", 5, 0, 5, 10},     {"no height", 0, 3, 10, 3},
        {"inverted along x", 10, 0, 0, 10}, {"inverted along y", 0, 10, 10, 0},
        {"not a number", 0, 0, nan, 10}, {"widened beyond doubles", -1.7e308, 0, 1.7e308, 1.5e308},
    };
    ASSERT_TRUE(SetupPlotFrame(state.plotFrame, FakePlotWindow(), 0, 0, 10, 5, true));
    ClosePlotFrame(state.plotFrame);
    const PlotFrame before = state.plotFrame;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Canvas().calls.clear();
        EXPECT_FALSE(SetupPlotFrame(state.plotFrame, FakePlotWindow(), c.x1, c.y1, c.x2, c.y2, true));
        EXPECT_TRUE(Canvas().calls.empty());
        EXPECT_EQ(state.plotFrame.x1, before.x1);
        EXPECT_EQ(state.plotFrame.y2, before.y2);
        EXPECT_EQ(state.plotFrame.sx, before.sx);
    }
}

TEST_F(Plot, TrajectoryEndsExactlyAtTheFlightTime) {
    std::set<std::size_t> counts;
    for (int i = 1; i <= 2000; ++i) {
        const double flightTime = i * 0.0137 + 1e-3 / i;
        std::vector<double> times = TrajectoryTimes(flightTime);
        SCOPED_TRACE(flightTime);
        ASSERT_GE(times.size(), 20u);
        ASSERT_LE(times.size(), 21u);
        EXPECT_EQ(times.back(), flightTime);
        for (std::size_t k = 1; k < times.size(); ++k) ASSERT_LT(times[k - 1], times[k]);
        EXPECT_NEAR(times[0], flightTime / 20, flightTime * 1e-15);
        counts.insert(times.size());
    }
    EXPECT_EQ(counts, (std::set<std::size_t>{20, 21}));  // both happen
    // Degenerate flight times end at once instead of looping.
    for (double flightTime : {0.0, 5e-324, -1.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_LE(TrajectoryTimes(flightTime).size(), 21u);
}

TEST_F(Plot, DrawsTheCaseInItsOrderColoursAndPlaces) {
    SolveCaseFor(20, 45, 0);
    const double* v = state.motionCase.solution.values;
    const double R = v[ParamReach], H = v[ParamHeight], T = v[ParamTime];
    ASSERT_TRUE(DrawSolvedCase());
    // The requested window, fitted: the area is less wide than the window, so y is widened.
    EXPECT_DOUBLE_EQ(state.plotFrame.x1, -R / 10);
    EXPECT_DOUBLE_EQ(state.plotFrame.x2, 1.2 * R);
    EXPECT_LT(state.plotFrame.y1, -H / 5);
    EXPECT_DOUBLE_EQ(state.plotFrame.sx, state.plotFrame.sy);

    const auto& calls = Canvas().calls;
    std::vector<CanvasOp> ops;
    for (const auto& call : calls) ops.push_back(call.op);
    using O = CanvasOp;
    std::vector<CanvasOp> expected = {O::Begin, O::Clear, O::Clip, O::MoveTo, O::LineTo, O::MoveTo,
                                      O::LineTo, O::MoveTo};
    const std::size_t segments = TrajectoryTimes(T).size();
    expected.insert(expected.end(), segments, O::LineTo);
    for (O op : {O::TextColour, O::Pen, O::MoveTo, O::LineTo, O::MoveTo, O::LineTo, O::MoveTo,
                 O::LineTo, O::Text, O::MoveTo, O::LineTo, O::Text, O::FreeRegion, O::End})
        expected.push_back(op);
    ASSERT_EQ(ops, expected);

    auto at = [&](std::size_t i, int x, int y) {
        SCOPED_TRACE(i);
        EXPECT_EQ(calls[i].x, x);
        EXPECT_EQ(calls[i].y, y);
    };
    at(3, Px(0), Py(0));
    at(4, Px(1.1 * R), Py(0));  // x axis
    at(6, Px(0), Py(1.1 * H));  // y axis
    at(7, Px(0), Py(0));        // the launch point
    for (std::size_t k = 0; k < segments; ++k) {
        const double t = TrajectoryTimes(T)[k];
        const double vx = 20 * state.motionCase.solution.cosAngle, vy = 20 * state.motionCase.solution.sinAngle;
        EXPECT_EQ(calls[8 + k].pen, CanvasPen::Black);
        at(8 + k, Px(vx * t), Py(vy * t - 9.81 * t * t / 2));
    }
    at(7 + segments, Px(R), Py(0));  // it lands at the reach
    const std::size_t blue = 8 + segments;
    EXPECT_EQ(calls[blue].colour, CanvasColour::Blue);
    EXPECT_EQ(calls[blue + 1].pen, CanvasPen::Blue);
    at(blue + 2, Px(0), Py(-H / 12));
    at(blue + 3, Px(R), Py(-H / 12));
    at(blue + 4, Px(0), Py(-H / 8));
    at(blue + 5, Px(0), Py(-H / 24));
    at(blue + 6, Px(R), Py(-H / 8));
    at(blue + 7, Px(R), Py(-H / 24));
    at(blue + 8, Px(R / 2), Py(-H / 40));
    EXPECT_EQ(calls[blue + 8].text, "    41");  // the reach label keeps its blanks
    EXPECT_EQ(calls[blue + 8].colour, CanvasColour::Blue);
    at(blue + 9, Px(R / 2), Py(0));  // the apex line stands at half the reach
    at(blue + 10, Px(R / 2), Py(H));
    EXPECT_EQ(calls[blue + 10].pen, CanvasPen::Blue);
    at(blue + 11, Px(0.9 * R / 2), Py(H / 2));
    EXPECT_EQ(calls[blue + 11].text, "10");
}

TEST_F(Plot, LabelsLaunchHeightAndApexByTheCase) {
    const struct {
        const char* label;
        double angle, y0;
        bool y0Label, apex;
    } cases[] = {
        {"upward from the ground", 45, 0, false, true},
        {"upward from 10 m", 45, 10, true, true},
        {"horizontal from 10 m", 0, 10, true, false},
        {"downward from 10 m", -30, 10, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ResetCanvas(400, 140);
        SolveCaseFor(20, c.angle, c.y0);
        ASSERT_TRUE(DrawSolvedCase());
        const double* v = state.motionCase.solution.values;
        std::vector<CanvasCall> texts = CallsOf(CanvasOp::Text);
        ASSERT_EQ(texts.size(), 1u + c.y0Label + c.apex);
        if (c.y0Label) {
            EXPECT_EQ(texts[0].text, "10");
            EXPECT_EQ(texts[0].colour, CanvasColour::Black);
            EXPECT_EQ(texts[0].x, Px(-v[ParamReach] / 15));
            EXPECT_EQ(texts[0].y, Py(1.07 * 10));
        }
        EXPECT_EQ(CallsOf(CanvasOp::LineTo).size(), 5u + TrajectoryTimes(v[ParamTime]).size() + c.apex);
        // The trajectory starts at the launch height.
        EXPECT_EQ(CallsOf(CanvasOp::MoveTo)[2].y, Py(c.y0));
    }
}

// Nothing solved: the area is not touched. A case without movement: the area is left empty,
// whatever it showed before, and nothing is marked on it, not even through an earlier frame.
TEST_F(Plot, NothingIsDrawnWithoutMovement) {
    EXPECT_FALSE(RedrawMainPlot(state));  // nothing solved yet
    EXPECT_TRUE(Canvas().calls.empty());
    SolveCaseFor(20, 45, 0);
    state.view.marks.solutionCount = 1;
    SolvePoint(state.motionCase.solution, state.view.marks.first, 5, 1);
    ASSERT_TRUE(RedrawMainPlot(state));
    SolveCaseFor(20, -30, 0);  // downward from the ground: no reach, no height
    Canvas().calls.clear();
    EXPECT_FALSE(DrawSolvedCase());
    EXPECT_TRUE(Canvas().calls.empty());
    EXPECT_FALSE(RedrawMainPlot(state));
    std::vector<CanvasOp> ops;
    for (const CanvasCall& call : Canvas().calls) ops.push_back(call.op);
    EXPECT_EQ(ops, (std::vector<CanvasOp>{CanvasOp::Begin, CanvasOp::Clear, CanvasOp::End}));
}

TEST_F(Plot, RedrawMarksTheQueriedPointsAfterTheCase) {
    SolveCaseFor(20, 45, 0);
    PointQuery& marks = state.view.marks;
    marks.solutionCount = 2;
    SolvePoint(state.motionCase.solution, marks.first, 2, 5);
    SolvePoint(state.motionCase.solution, marks.second, 5, 2 * state.motionCase.solution.apexTime - marks.first.t);
    RedrawMainPlot(state);
    const auto& calls = Canvas().calls;
    ASSERT_GE(calls.size(), 22u);
    EXPECT_EQ(calls.back().op, CanvasOp::End);
    EXPECT_EQ(calls[calls.size() - 2].op, CanvasOp::FreeRegion);
    // Before the release, per point: colour, pen, two lines and two labels.
    const std::size_t start = calls.size() - 2 - 2 * 8;
    for (int n = 0; n < 2; ++n) {
        const TrajectoryPoint& p = n == 0 ? marks.first : marks.second;
        SCOPED_TRACE(n);
        const CanvasCall* c = &calls[start + 8 * n];
        EXPECT_EQ(c[0].op, CanvasOp::TextColour);
        EXPECT_EQ(c[1].op, CanvasOp::Pen);
        const struct {
            CanvasOp op;
            double x, y;
        } marks[] = {{CanvasOp::MoveTo, p.x, 0},            {CanvasOp::LineTo, p.x, p.y},
                     {CanvasOp::Text, 1.02 * p.x, p.y / 5}, {CanvasOp::MoveTo, 0, p.y},
                     {CanvasOp::LineTo, p.x, p.y},          {CanvasOp::Text, 0, 1.2 * p.y}};
        for (int m = 0; m < 6; ++m) {
            SCOPED_TRACE(m);
            const CanvasCall& d = c[2 + m];
            ASSERT_EQ(d.op, marks[m].op);
            EXPECT_EQ(d.x, Px(marks[m].x));
            EXPECT_EQ(d.y, Py(marks[m].y));
            EXPECT_EQ(d.colour, CanvasColour::Red);
            EXPECT_EQ(d.pen, CanvasPen::RedDot);
        }
    }
    std::vector<CanvasCall> texts = CallsOf(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[2].text, TrimBlanks(FormatFixed(marks.first.x, 6, 0)));
    EXPECT_EQ(texts[3].text, "5");
    EXPECT_EQ(texts[5].text, "5");
}

TEST_F(Plot, RedrawUsesTheLastSolveNotTheFieldsReadSince) {
    DialogHandle dialog = OpenMainDialogFake(state);
    ResetCanvas(400, 140);
    SetFieldText(dialog, IDC_LAUNCH_HEIGHT, "10");
    UserTypes(dialog, IDC_VALUE_BASE + ParamVo, "20");
    UserTypes(dialog, IDC_VALUE_BASE + ParamAngle, "45");
    UserClicks(dialog, IDC_ACCEPT);
    ASSERT_TRUE(state.motionCase.solved);
    UserTypes(dialog, IDC_POINT_BASE + 2, "12");
    UserClicks(dialog, IDC_POINT_ACCEPT);
    Canvas().calls.clear();
    RedrawMainPlot(state);
    const std::vector<CanvasCall> before = Canvas().calls;
    const TrajectoryPoint point = state.pointQuery.first;

    // A new launch height and speed are typed and a box clicked: read, but not solved.
    SetFieldText(dialog, IDC_LAUNCH_HEIGHT, "50");
    UserTypes(dialog, IDC_VALUE_BASE + ParamVo, "35");
    UserClicks(dialog, IDC_GIVEN_BASE + ParamAngle);
    ASSERT_EQ(state.motionCase.y0, 50);
    Canvas().calls.clear();
    RedrawMainPlot(state);
    ASSERT_EQ(Canvas().calls.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(Canvas().calls[i].x, before[i].x) << i;
        EXPECT_EQ(Canvas().calls[i].y, before[i].y) << i;
        EXPECT_EQ(Canvas().calls[i].text, before[i].text) << i;
    }
    // The same query gives the same point.
    UserTypes(dialog, IDC_POINT_BASE + 2, "12");
    UserClicks(dialog, IDC_POINT_ACCEPT);
    EXPECT_EQ(state.pointQuery.first.t, point.t);
    EXPECT_EQ(state.pointQuery.first.x, point.x);
}

}  // namespace
