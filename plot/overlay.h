// Figures drawn over the plot without drawing it again (the hover marker, the flying ball): the
// pixels under a figure are kept and put back when it moves or goes, so each move redraws only
// the figure's small square.
#pragma once

#include "plot/frame.h"

enum class OverlayFigure {
    Marker,  // a red ring, 4 pixels in radius at 96 dots per inch, hollow: the path shows through
    Ball,    // a filled blue ball, 5 pixels in radius at 96 dots per inch
};

struct PlotOverlay {
    CanvasSaved saved = nullptr;  // the pixels under the figure shown; the overlay's own
    bool shown = false;           // a figure is on screen and `saved` holds what it covers
    int px = 0, py = 0;           // the pixel the figure shown is centred on
};

// Radius in pixels, and the half side of the square the figure and its outline cover.
int OverlayRadius(OverlayFigure figure, int dpi);
int OverlayReach(OverlayFigure figure, int dpi);

// Puts back the pixels under the figure shown, if any, then keeps the pixels of the square the
// new figure covers and draws it centred on the pixel of the world point (x, y). Draws through
// the frame's geometry, in a context of its own; does nothing when the frame was never set up.
// The square is cut to the area; a figure wholly outside the area is not drawn.
void ShowOverlay(PlotOverlay& overlay, PlotFrame& frame, OverlayFigure figure, double x, double y, int dpi);

// Puts back the pixels under the figure shown; nothing happens when none is.
void HideOverlay(PlotOverlay& overlay, PlotFrame& frame);

// The plot was drawn again under the figure: it is gone, and what the overlay kept is stale.
void ForgetOverlay(PlotOverlay& overlay);

// Gives the kept pixels back; the overlay is then as new.
void FreeOverlay(PlotOverlay& overlay);
