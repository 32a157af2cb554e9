// Win32 side of the canvas seam.
#pragma once

#include <windows.h>

#include "platform/canvas.h"

// Creates the plot's pens, its brush and its label font for 96 dots per inch (or the density
// CanvasUseDpi set since), at start-up; a drawing before that keeps the current pen.
void CreateCanvasPens();

inline HWND WindowOf(CanvasWindow window) { return reinterpret_cast<HWND>(window); }
// A device context of the program's own, drawn into through the canvas's calls.
inline CanvasContext ContextOf(HDC dc) { return reinterpret_cast<CanvasContext>(dc); }

// Every GDI and window call the canvas has made since the program started; a test reads it
// before and after a repaint to see what one drawing costs.
extern unsigned long canvasSystemCalls;

// A finished surface: an enhanced metafile, or a 24-bit top-down DIB section whose rows are
// `stride` bytes apart.
struct CanvasPictureTag {
    CanvasSurfaceKind kind;
    int width;
    int height;
    HENHMETAFILE metafile;
    HBITMAP bitmap;
    const void* bits;
    int stride;
};
