// The plot frame: a rectangle of the world, in metres, mapped onto the pixels of the drawing
// area with y upward, and the line and text primitives that draw at world coordinates through it.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/canvas.h"

struct PlotFrame {
    CanvasWindow window;  // the area drawn into (kept to give the context back)
    CanvasContext dc;     // open from SetupPlotFrame (or ReopenPlotFrame) to ClosePlotFrame
    CanvasRegion clip;    // the clip region selected into dc, freed with it
    std::uint16_t width;  // client size of the area in pixels
    std::uint16_t height;
    double sx;  // pixels per metre along x
    double sy;  // pixels per metre along y
    double x1;  // world x at the left edge
    double y1;  // world y at the bottom edge
    double x2;  // world x at the right edge
    double y2;  // world y at the top edge
};

// Pixel coordinates are clamped to +-kPixelLimit: the area is a few hundred pixels wide, and
// the X server behind Wine keeps coordinates in 16 bits, so a far point would wrap around.
constexpr int kPixelLimit = 16384;

// Maps the world window (x1, y1)...(x2, y2) onto the window's client area. Returns false, and
// draws nothing and leaves the frame as it was, when the window is empty ((x2 - x1)(y2 - y1) is
// not positive), when the area has no pixels, or when the fitted window is too large to hold in
// doubles. Otherwise gives back a context the frame still held, takes a new one, clears the
// area with a rectangle in the context's default pen and fill, fits the window (with keepAspect
// widened symmetrically along one axis until its aspect is the area's, so sx equals sy), clips
// to the area and returns true. The frame's context stays open until ClosePlotFrame.
bool SetupPlotFrame(PlotFrame& frame, CanvasWindow window, double x1, double y1, double x2,
                    double y2, bool keepAspect);

// Takes a context and clip region again for a frame that was set up before, without clearing
// the area; false when there was no setup or no context can be had.
bool ReopenPlotFrame(PlotFrame& frame);

// Gives the frame's clip region and context back; the geometry stays for later drawing.
void ClosePlotFrame(PlotFrame& frame);

// Pixel column and row of a world point: round((x - x1) sx) and round(height - (y - y1) sy),
// halves to the even neighbour, clamped to +-kPixelLimit.
int WorldToPixelX(const PlotFrame& frame, double x);
int WorldToPixelY(const PlotFrame& frame, double y);

// Drawing at world coordinates; nothing happens while the frame has no open context.
void PlotMoveTo(const PlotFrame& frame, double x, double y);
void PlotLineTo(const PlotFrame& frame, double x, double y);
void PlotLine(const PlotFrame& frame, double xa, double ya, double xb, double yb);
// Text (at most 255 characters) with its top-left corner at the point.
void PlotText(const PlotFrame& frame, double x, double y, std::string_view text);
