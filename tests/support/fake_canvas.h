// A stand-in for the drawing area: records every canvas call with its pixel coordinates, and
// with the pen and text colour current at that moment, and keeps count of the contexts and
// regions that are open, so a test can tell what was drawn where and that nothing leaks.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

enum class CanvasOp { Begin, End, Clear, Clip, FreeRegion, MoveTo, LineTo, Text, TextColour, Pen,
                      Brush, Ellipse, Save, Restore, FreeSaved, NarrowClip, SelectClip };

struct CanvasCall {
    CanvasOp op = CanvasOp::Begin;
    int x = 0;  // pixel, or the width for Clear and Clip; left for Ellipse and Save
    int y = 0;  // pixel, or the height; top for Ellipse and Save
    int right = 0;   // Ellipse: right and bottom; Save: width and height
    int bottom = 0;
    std::string text;
    CanvasPen pen = CanvasPen::Black;           // current pen (after the call, for Pen)
    CanvasColour colour = CanvasColour::Black;  // current text colour (after, for TextColour)
    CanvasBrush brush = CanvasBrush::Hollow;    // current fill (after, for Brush)
    int surface = 0;  // where it was drawn: 0 the drawing area, n the n-th surface opened
};

// An off-screen surface as it was opened, and what became of it.
struct FakeSurface {
    CanvasSurfaceKind kind = CanvasSurfaceKind::Bitmap;
    int width = 0, height = 0, scale = 1;
    bool closed = false;
    bool pictureFreed = false;
};

struct FakeCanvas {
    int width = 300;  // client size of the drawing area
    int height = 100;
    bool windowExists = true;  // false: the dialog has no drawing area (CanvasOfControl is null)
    std::vector<CanvasCall> calls;
    int openContexts = 0;
    int liveRegions = 0;
    int liveStores = 0;  // stores of kept pixels not given back
    int dpi = 96;        // as last set by CanvasUseDpi
    bool misuse = false;  // a call on a context that is not open, or a double release
    std::vector<FakeSurface> surfaces;  // every surface opened, in order
};

FakeCanvas& Canvas();
// The drawing area's window, whatever windowExists says.
CanvasWindow FakePlotWindow();
// Forgets the calls and the open contexts; the area gets this client size.
void ResetCanvas(int width = 300, int height = 100);

// The calls of one kind, in order.
std::vector<CanvasCall> CallsOf(CanvasOp op);
// The calls made on the n-th surface opened (1, 2, ...), or on the drawing area for 0.
std::vector<CanvasCall> CallsOn(int surface);
// The surface (1, 2, ...) a picture was made from; 0 for anything else.
int SurfaceOfPicture(CanvasPicture picture);
// Pictures made and not freed.
int LivePictures();
