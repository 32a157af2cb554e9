// The "Point of the trajectory" panel: a question about one point of the solved case, and
// its answer in the panel's fields, the second-solution texts and the plot.
#pragma once

#include "app/app_state.h"
#include "platform/dialog.h"

// Group 150, the point edits with their labels, and button 5; the focus then goes to edit 110.
void EnablePointPanel(DialogHandle dialog, bool enable);

// One query for field k (1..5): reads edit 109 + k, checks it, solves the first point and, for
// y and |V|, the second, then redraws the plot with the points. solutionCount becomes 1 at
// once, and 2 after a successful y or |V|.
PointError QueryPoint(DialogHandle dialog, int k, AppState& state);

// The message box for a refused query (nothing for PointDone); k names the field read.
void ReportPointError(PointError code, int k, int language);
// The same, with the air's own messages for a value out of the integrated path.
void ReportPointError(PointError code, int k, const AppState& state);

// Writes the point's five fields into edits 110..114 with 2 decimals, marks the point shown,
// puts the focus on the field that was asked (edit `pointInput`) and then disables the
// panel's Accept button (after the edits' own change notifications).
void ShowPoint(DialogHandle dialog, const TrajectoryPoint& point, AppState& state);

// Writes "x2: ", "Vy2: " and "t2: " into statics 160..162, followed by the second solution's
// x, Vy and t when shown (at most 20 characters each, see FitNumber), and enables or greys them.
void ShowSecondSolution(DialogHandle dialog, bool shown, const PointQuery& query, int language);

// The plot as it stands: the earlier paths, the solved case, if any, the points marked on it
// (those of the last query that answered about this case), and on top the hover marker or
// the flying ball. True when the case was drawn. The solve, the point query, every paint and
// every command that changes the plot draw through here.
bool RedrawMainPlot(AppState& state);

// The same plot drawn into `target`, the drawing area or an off-screen surface, through
// `frame`. Everything the drawing area shows is drawn here, so copies show it too.
bool DrawMainPlot(const AppState& state, PlotFrame& frame, CanvasWindow target);
