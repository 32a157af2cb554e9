// The canvas seam: the few drawing calls the plot makes on a window. The program links the GDI
// definitions (canvas_win32.cpp); the unit tests link a fake (tests/support/fake_canvas.cpp)
// that records every call with its pixel coordinates, so a test can tell what was drawn where,
// in which pen and colour.
//
// A drawing takes a context with CanvasBegin and gives it back with CanvasEnd; a context comes
// with the defaults of a fresh one: black one-pixel pen, white fill, black text on an opaque
// white background, the system font.
#pragma once

#include <string>
#include <string_view>

#include "platform/dialog.h"

struct CanvasWindowTag;
struct CanvasContextTag;
struct CanvasRegionTag;
struct CanvasSavedTag;
using CanvasWindow = CanvasWindowTag*;    // a window to draw into, opaque to portable code
using CanvasContext = CanvasContextTag*;  // a device context taken by CanvasBegin
using CanvasRegion = CanvasRegionTag*;    // a clip region made by CanvasClipTo
using CanvasSaved = CanvasSavedTag*;      // pixels kept by CanvasSave

// The pens and text colours of the plot. Black solid; RGB(0, 100, 200); RGB(250, 0, 0) dotted;
// then the earlier paths in greys from the newest (darkest) to the oldest (lightest); the
// steeper path of two that land at one reach, dark grey dashed; the hover marker's red ring;
// the edge of the flying ball. Widths scale with the dots per inch (CanvasUseDpi).
enum class CanvasPen {
    Black, Blue, RedDot,
    EarlierPath1, EarlierPath2, EarlierPath3, EarlierPath4,
    SteeperPath, Marker, BallEdge,
};
enum class CanvasColour { Black, Blue, Red };  // black; RGB(0, 100, 200); RGB(250, 0, 0)
// Fills of the figures: none (the white of a fresh context stays the fill of the clearing
// rectangle); the ball's blue.
enum class CanvasBrush { Hollow, Ball };

// Pixels at `dpi` for a length of `pixelsAt96` at 96 dots per inch, rounded, at least 1.
constexpr int CanvasScaled(int pixelsAt96, int dpi) {
    const int scaled = (pixelsAt96 * dpi + 48) / 96;
    return scaled < 1 ? 1 : scaled;
}

// The control `id` of a dialog as a window to draw into (null when there is none).
CanvasWindow CanvasOfControl(DialogHandle dialog, int id);

// A context for drawing into the window's client area; null when none can be had. Every
// context taken must be given back with CanvasEnd, once. Above 96 dots per inch (CanvasUseDpi)
// a context comes with the plot's label font instead of the system font.
CanvasContext CanvasBegin(CanvasWindow window);
void CanvasEnd(CanvasWindow window, CanvasContext dc);

// Client size in pixels; false (and 0 x 0) when the window does not exist.
bool CanvasClientSize(CanvasWindow window, int& width, int& height);

// A rectangle from (0, 0) to (width, height) with the current pen and fill. Above 96 dots per
// inch the black pen as wide as the density asks is selected after it.
void CanvasClear(CanvasContext dc, int width, int height);

// Limits the drawing to the rectangle (0, 0, width, height). The region made for it is the
// caller's, to be given back with CanvasFreeRegion (null when none could be made).
CanvasRegion CanvasClipTo(CanvasContext dc, int width, int height);
void CanvasFreeRegion(CanvasRegion region);
// Narrows the drawing to the rectangle (left, top)...(right, bottom) within the current clip,
// until CanvasSelectClip makes a region the clip again.
void CanvasNarrowClip(CanvasContext dc, int left, int top, int right, int bottom);
void CanvasSelectClip(CanvasContext dc, CanvasRegion region);

void CanvasMoveTo(CanvasContext dc, int x, int y);
void CanvasLineTo(CanvasContext dc, int x, int y);  // current pen; the end becomes current
// Writes `length` characters of text (zero-terminated) with its top-left corner at the pixel.
void CanvasTextOut(CanvasContext dc, int x, int y, const char* text, int length);
// Writes at most 255 characters of text with its top-left corner at the pixel, in the context's
// current font, text colour and background.
inline void TextOutShort(CanvasContext dc, int px, int py, std::string_view text) {
    const std::string buffer(text.substr(0, kMaxShortText));  // zero-terminated, as GDI wants
    CanvasTextOut(dc, px, py, buffer.c_str(), static_cast<int>(buffer.size()));
}
void CanvasTextColour(CanvasContext dc, CanvasColour colour);
void CanvasSelectPen(CanvasContext dc, CanvasPen pen);

// Off-screen surfaces: the same drawing into a picture instead of the dialog, for the
// clipboard and picture files. A surface stands in for a window: CanvasClientSize gives its
// size, CanvasBegin its context (with the defaults of a fresh one each time) and CanvasEnd
// takes the context back; the drawing calls work on it as on a window's context.
struct CanvasPictureTag;
using CanvasPicture = CanvasPictureTag*;  // a finished picture, opaque to portable code

enum class CanvasSurfaceKind {
    Metafile,  // a vector picture: every call is recorded (an enhanced metafile)
    Bitmap,    // pixels, 24 bits each, white before the drawing
};

// A surface of width x height pixels, drawn with the screen's look (its pens and font at the
// density CanvasUseDpi set) `scale` (1 or more) times over: 2 draws the picture again at twice
// the size, every line twice as wide as on screen, rather than enlarging its pixels. Null when
// none can be made.
CanvasWindow CanvasOpenSurface(CanvasSurfaceKind kind, int width, int height, int scale);
// Ends the drawing on a surface (the handle is no longer valid) and gives the picture, the
// caller's to free with CanvasFreePicture; null when it could not be finished.
CanvasPicture CanvasCloseSurface(CanvasWindow surface);
void CanvasFreePicture(CanvasPicture picture);

// The screen density the plot is drawn for: pen widths and the label font scale with it. At 96
// dots per inch (the start) everything is as a fresh context has it.
void CanvasUseDpi(int dpi);

void CanvasSelectBrush(CanvasContext dc, CanvasBrush brush);
// An ellipse inside the rectangle (left, top)...(right, bottom), outlined with the current pen
// and filled with the current brush.
void CanvasEllipse(CanvasContext dc, int left, int top, int right, int bottom);

// Keeps the pixels of the rectangle (x, y, width, height) of the context's window in `store`,
// made or grown as needed (pass null the first time); returns the store, null when none could
// be made. The store is the caller's, to be given back with CanvasFreeSaved.
CanvasSaved CanvasSave(CanvasContext dc, CanvasSaved store, int x, int y, int width, int height);
// Puts the pixels last kept in `store` back where they were taken.
void CanvasRestore(CanvasContext dc, CanvasSaved store);
void CanvasFreeSaved(CanvasSaved store);
