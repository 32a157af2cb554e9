// The pointer over the drawing: which x of the path a pixel column stands for, and back.
#pragma once

#include <string>

#include "physics/motion.h"
#include "plot/frame.h"

// World x at the left side of pixel column px: x1 + px / sx. WorldToPixelX of it gives px back.
double PixelToWorldX(const PlotFrame& frame, int px);

// Pixel columns of the launch (x = 0) and the landing (x = reach) of the case drawn through
// `frame`: the span where the pointer asks for a point. False when the path has no horizontal
// extent on screen (a vertical launch, no movement) or the frame was never set up.
bool PathColumns(const PlotFrame& frame, const Solution& solution, int& launch, int& landing);

// The x of the path the pointer at pixel (px, py) of the area stands for: true when the pixel is
// inside the area and its column within the launch-to-landing span; x is then clamped to
// 0...reach, so the launch and landing columns give exactly 0 and the reach.
bool PointerToPathX(const PlotFrame& frame, const Solution& solution, int px, int py, double& x);

// The text of an x of the path as a click asks the point panel for it: two decimals, or as many
// more as it takes to read back within a quarter of a pixel column of x (a small case drawn
// large); the shortest exact text where sixteen decimals would not do.
std::string PathXText(const PlotFrame& frame, double x);
