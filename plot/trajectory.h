// Drawing of the solved case into the dialog's drawing area.
#pragma once

// Draws the solved case; false when there is nothing to draw (no case, or no movement).
bool DrawTrajectory();
// Draws the case and the marked points again (every paint).
void RedrawPlot();
