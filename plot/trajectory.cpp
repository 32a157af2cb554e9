#include "plot/trajectory.h"

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

// The drawing of the case, leaving the frame open for the points that follow it.
bool DrawCase(PlotFrame& f, CanvasWindow window, const Solution& mc, const PlotExtras& extras) {
    const double* solved = mc.values;
    const Real y0 = mc.y0, vo = solved[ParamVo], angle = solved[ParamAngle];
    const Real reach = solved[ParamReach], height = solved[ParamHeight];
    const double flightTime = solved[ParamTime];
    const Real vx = vo * mc.cosAngle, vy = vo * mc.sinAngle;
    auto d = [](Real v) { return static_cast<double>(v); };

    if (!SetupPlotFrame(f, window, d(-reach / 10), d(-height / 5), d(1.2L * reach),
                        d(1.2L * height), true))
        return false;
    DrawExtras(f, extras);
    // Axes and trajectory in the fresh context's black pen and text colour.
    PlotLine(f, 0, 0, d(1.1L * reach), 0);
    PlotLine(f, 0, 0, 0, d(1.1L * height));
    if (y0 > 0) PlotText(f, d(-reach / 15), d(1.07L * y0), TrimBlanks(CaseLabel(d(y0))));
    if (extras.conditions && extras.flight && !IsEarthVacuum(*extras.conditions)) {
        DrawPathLine(f, mc, *extras.conditions, *extras.flight);
    } else {
        PlotMoveTo(f, 0, d(y0));
        for (double t : TrajectoryTimes(flightTime))
            PlotLineTo(f, d(vx * t), d(vy * t + y0 - (Gravity * t) * t / 2));
    }

    CanvasTextColour(f.dc, CanvasColour::Blue);
    CanvasSelectPen(f.dc, CanvasPen::Blue);
    PlotLine(f, 0, d(-height / 12), d(reach), d(-height / 12));
    PlotLine(f, 0, d(-height / 8), 0, d(-height / 24));
    PlotLine(f, d(reach), d(-height / 8), d(reach), d(-height / 24));
    PlotText(f, d(reach / 2), d(-height / 40), CaseLabel(d(reach)));
    if (angle > 0) {
        PlotLine(f, mc.apexX, 0, mc.apexX, d(height));
        PlotText(f, d(0.9L * mc.apexX), d(height / 2), TrimBlanks(CaseLabel(d(height))));
    }
    return true;
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

void RedrawPlot(PlotFrame& frame, CanvasWindow window, const Solution* solution, const PointQuery& query) {
    RedrawPlot(frame, window, solution, query, PlotExtras{});
}

void RedrawPlot(PlotFrame& frame, CanvasWindow window, const Solution* solution, const PointQuery& query,
                const PlotExtras& extras) {
    const bool drawn = solution && DrawCase(frame, window, *solution, extras);
    if (query.solutionCount >= 1 && (drawn || ReopenPlotFrame(frame))) {
        MarkPoint(query.first, frame);
        if (query.solutionCount == 2) MarkPoint(query.second, frame);
    }
    ClosePlotFrame(frame);
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
