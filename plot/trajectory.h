// Drawing of the solved case and of the queried points into the dialog's drawing area.
#pragma once

#include <vector>

#include "physics/point.h"
#include "plot/frame.h"

// Draws the solved case into `window` through `frame`: the area cleared, the axes, the launch
// height label, the trajectory, the reach dimension and the apex line with their labels, with
// equal scales. False, with nothing drawn, when the case has no reach or height.
bool DrawTrajectory(PlotFrame& frame, CanvasWindow window, const Solution& solution);

// Marks a point with red dotted projections on both axes and its x and y labels, through a
// frame that is set up (nothing is drawn while the frame has no open context).
void MarkPoint(const TrajectoryPoint& point, const PlotFrame& frame);

// Every paint: the case (`solution` is null while none is solved), then the first point of the
// query and, for a height or speed, the second. The points are marked even when the case is
// not drawn, through the frame of the last drawing.
void RedrawPlot(PlotFrame& frame, CanvasWindow window, const Solution* solution, const PointQuery& query);

// Times of the trajectory's vertices after the launch: steps of flightTime / 20, the last one
// exactly flightTime. Twenty of them, or twenty-one when rounding leaves the sum of twenty steps
// just below flightTime.
std::vector<double> TrajectoryTimes(double flightTime);
