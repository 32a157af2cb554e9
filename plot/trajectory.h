// Drawing of the solved case and of the queried points into the dialog's drawing area.
#pragma once

#include <vector>

#include "physics/point.h"
#include "plot/earlier_paths.h"
#include "plot/frame.h"

// What is drawn behind the case besides it, for comparison; either may be absent.
struct PlotExtras {
    const EarlierPaths* earlier = nullptr;  // the paths solved before, in greys
    const Solution* steeper = nullptr;      // the other launch angle that lands at the reach, dashed
    // The conditions the case (and its steeper launch) were solved under, and with air their
    // integrated paths; null: the Earth without air.
    const Conditions* conditions = nullptr;
    const FlightPath* flight = nullptr;
    const FlightPath* steeperFlight = nullptr;
};

// Draws the solved case into `window` through `frame`: the area cleared, the axes, the launch
// height label, the trajectory, the reach dimension and the apex line with their labels, with
// equal scales. False, with nothing drawn, when the case has no reach or height.
bool DrawTrajectory(PlotFrame& frame, CanvasWindow window, const Solution& solution);
// The same with the extras drawn first, behind the axes and the case. The window then holds the
// steeper path as well as the case; the earlier paths keep its scale and may run out of it, and
// the axes run on under and beside them.
bool DrawTrajectory(PlotFrame& frame, CanvasWindow window, const Solution& solution, const PlotExtras& extras);

// Marks a point with red dotted projections on both axes and its x and y labels, through a
// frame that is set up (nothing is drawn while the frame has no open context).
void MarkPoint(const TrajectoryPoint& point, const PlotFrame& frame);

// Every drawing of the area, on screen or into a picture: the case (`solution` is null while
// none is solved), then the first point of the query and, for a height or speed, the second.
// True when the case was drawn; a case that cannot be drawn (no reach or height) leaves the
// area cleared and unmarked, and with no case nothing is touched.
bool RedrawPlot(PlotFrame& frame, CanvasWindow window, const Solution* solution, const PointQuery& query);
bool RedrawPlot(PlotFrame& frame, CanvasWindow window, const Solution* solution, const PointQuery& query,
                const PlotExtras& extras);

// A solved path as the trajectory is drawn, in the current pen through the open frame: from its
// launch point, 20 time steps to its landing.
void DrawPathLine(const PlotFrame& frame, const Solution& path);
// The same for a path solved under the conditions, with air from its integrated path.
void DrawPathLine(const PlotFrame& frame, const Solution& path, const Conditions& conditions, const FlightPath& flight);

// Times of the trajectory's vertices after the launch: steps of flightTime / 20, the last one
// exactly flightTime. Twenty of them, or twenty-one when rounding leaves the sum of twenty steps
// just below flightTime.
std::vector<double> TrajectoryTimes(double flightTime);
