#include "plot/trajectory.h"

#include <algorithm>

#include "physics/motion.h"
#include "text/number_text.h"

namespace {

using Real = long double;

// The case labels keep whole metres; the reach label keeps the formatter's leading blanks.
std::string CaseLabel(double value) { return FormatCompact(value, 6, 0); }
std::string PointLabel(double value) { return TrimBlanks(FormatFixed(value, 6, 0)); }

// The extras, behind everything else. They may run out of the case's window, and are kept
// inside the area's one-pixel border. The axes that follow are drawn in the black pen of a
// fresh context, which the extras' pens replace: it is selected again after them.
void DrawExtras(const PlotFrame& f, const PlotExtras& extras) {
    const bool earlier = extras.earlier && extras.earlier->count > 0;
    if (!earlier && !extras.steeper) return;
    CanvasNarrowClip(f.dc, 1, 1, f.width - 1, f.height - 1);
    if (earlier) DrawEarlierPaths(f, *extras.earlier);
    if (extras.steeper) {
        CanvasSelectPen(f.dc, CanvasPen::SteeperPath);
        if (extras.conditions && extras.steeperFlight)
            DrawPathLine(f, *extras.steeper, *extras.conditions, *extras.steeperFlight);
        else
            DrawPathLine(f, *extras.steeper);
    }
    CanvasSelectClip(f.dc, f.clip);
    CanvasSelectPen(f.dc, CanvasPen::Black);
}

// The axes run on under (or beside) every earlier path that goes farther or higher than the
// case, to the edge of the area if need be.
void ExtendAxes(const PlotExtras& extras, Real& xEnd, Real& yEnd) {
    if (!extras.earlier) return;
    for (int i = 0; i < extras.earlier->count; ++i) {
        xEnd = std::max<Real>(xEnd, extras.earlier->paths[i].values[ParamReach]);
        yEnd = std::max<Real>(yEnd, extras.earlier->paths[i].values[ParamHeight]);
    }
}

// The drawing of the case, leaving the frame open for the points that follow it.
bool DrawCase(PlotFrame& f, CanvasWindow window, const Solution& mc, const PlotExtras& extras) {
    const double* solved = mc.values;
    const Real y0 = mc.y0, angle = solved[ParamAngle];
    const Real reach = solved[ParamReach], height = solved[ParamHeight];
    auto d = [](Real v) { return static_cast<double>(v); };

    // The window holds the case and the steeper path that lands at its reach; the earlier paths
    // keep that scale and may run out of it. The reach dimension stands below the axis by a
    // share of that window's height.
    Real span = reach, rise = height;
    if (extras.steeper) {
        span = std::max<Real>(span, extras.steeper->values[ParamReach]);
        rise = std::max<Real>(rise, extras.steeper->values[ParamHeight]);
    }
    if (!SetupPlotFrame(f, window, d(-span / 10), d(-rise / 5), d(1.2L * span), d(1.2L * rise), true))
        return false;
    DrawExtras(f, extras);
    // Axes and trajectory in the fresh context's black pen and text colour.
    Real xEnd = 1.1L * span, yEnd = 1.1L * rise;
    ExtendAxes(extras, xEnd, yEnd);
    PlotLine(f, 0, 0, d(xEnd), 0);
    PlotLine(f, 0, 0, 0, d(yEnd));
    if (y0 > 0) PlotText(f, d(-reach / 15), d(1.07L * y0), TrimBlanks(CaseLabel(d(y0))));
    if (extras.conditions && extras.flight)
        DrawPathLine(f, mc, *extras.conditions, *extras.flight);
    else
        DrawPathLine(f, mc);

    CanvasTextColour(f.dc, CanvasColour::Blue);
    CanvasSelectPen(f.dc, CanvasPen::Blue);
    PlotLine(f, 0, d(-rise / 12), d(reach), d(-rise / 12));
    PlotLine(f, 0, d(-rise / 8), 0, d(-rise / 24));
    PlotLine(f, d(reach), d(-rise / 8), d(reach), d(-rise / 24));
    PlotText(f, d(reach / 2), d(-rise / 40), CaseLabel(d(reach)));
    if (angle > 0) {
        PlotLine(f, mc.apexX, 0, mc.apexX, d(height));
        PlotText(f, d(0.9L * mc.apexX), d(height / 2), TrimBlanks(CaseLabel(d(height))));
    }
    return true;
}

// A case without movement has no picture: the area is left empty rather than showing what
// was drawn before it.
void ClearArea(CanvasWindow window) {
    int width = 0, height = 0;
    if (!CanvasClientSize(window, width, height) || width <= 0 || height <= 0) return;
    CanvasContext dc = CanvasBegin(window);
    if (!dc) return;
    CanvasClear(dc, width, height);
    CanvasEnd(window, dc);
}

}  // namespace

std::vector<double> TrajectoryTimes(double flightTime) {
    std::vector<double> times;
    const double dt = flightTime / 20;
    double t = 0;
    // Twenty-one steps at most: the twenty-first only makes up what rounding left short. A
    // step that rounds to nothing (a subnormal flight time) jumps to the end at once.
    do {
        t += dt;
        if (t > flightTime || !(dt > 0) || times.size() == 20) t = flightTime;
        times.push_back(t);
    } while (t < flightTime);
    return times;
}

bool DrawTrajectory(PlotFrame& frame, CanvasWindow window, const Solution& solution) {
    return DrawTrajectory(frame, window, solution, PlotExtras{});
}

bool DrawTrajectory(PlotFrame& frame, CanvasWindow window, const Solution& solution, const PlotExtras& extras) {
    bool drawn = DrawCase(frame, window, solution, extras);
    ClosePlotFrame(frame);
    return drawn;
}

void MarkPoint(const TrajectoryPoint& point, const PlotFrame& frame) {
    if (!frame.dc) return;
    CanvasTextColour(frame.dc, CanvasColour::Red);
    CanvasSelectPen(frame.dc, CanvasPen::RedDot);
    const double x = point.x, y = point.y;
    PlotLine(frame, x, 0, x, y);
    PlotText(frame, static_cast<double>(1.02L * x), y / 5, PointLabel(x));
    PlotLine(frame, 0, y, x, y);
    PlotText(frame, 0, static_cast<double>(1.2L * y), PointLabel(y));
}

bool RedrawPlot(PlotFrame& frame, CanvasWindow window, const Solution* solution, const PointQuery& query) {
    return RedrawPlot(frame, window, solution, query, PlotExtras{});
}

bool RedrawPlot(PlotFrame& frame, CanvasWindow window, const Solution* solution, const PointQuery& query,
                const PlotExtras& extras) {
    const bool drawn = solution && DrawCase(frame, window, *solution, extras);
    if (drawn && query.solutionCount >= 1) {
        MarkPoint(query.first, frame);
        if (query.solutionCount == 2) MarkPoint(query.second, frame);
    }
    ClosePlotFrame(frame);
    if (solution && !drawn) ClearArea(window);
    return drawn;
}

void DrawPathLine(const PlotFrame& frame, const Solution& path) {
    const Real y0 = path.y0, vo = path.values[ParamVo];
    const Real vx = vo * path.cosAngle, vy = vo * path.sinAngle;
    auto d = [](Real v) { return static_cast<double>(v); };
    PlotMoveTo(frame, 0, path.y0);
    for (double t : TrajectoryTimes(path.values[ParamTime]))
        PlotLineTo(frame, d(vx * t), d(vy * t + y0 - (Gravity * t) * t / 2));
}

void DrawPathLine(const PlotFrame& frame, const Solution& path, const Conditions& conditions, const FlightPath& flight) {
    if (IsEarthVacuum(conditions)) return DrawPathLine(frame, path);
    PlotMoveTo(frame, 0, path.y0);
    for (double t : TrajectoryTimes(path.values[ParamTime])) {
        const TrajectoryPoint p = PointOfPath(conditions, path, flight, t);
        PlotLineTo(frame, p.x, p.y);
    }
}
