#include "plot/overlay.h"

int OverlayRadius(OverlayFigure figure, int dpi) {
    return CanvasScaled(figure == OverlayFigure::Marker ? 4 : 5, dpi);
}

// The outline is centred on the ellipse's edge: the marker's two-pixel ring reaches a pixel
// beyond the radius, the ball's edge less; one more pixel covers GDI's rounding either way.
int OverlayReach(OverlayFigure figure, int dpi) {
    return OverlayRadius(figure, dpi) + CanvasScaled(figure == OverlayFigure::Marker ? 2 : 1, dpi) + 1;
}

namespace {

void Draw(const PlotFrame& frame, OverlayFigure figure, int px, int py, int dpi) {
    const int r = OverlayRadius(figure, dpi);
    const bool marker = figure == OverlayFigure::Marker;
    CanvasSelectPen(frame.dc, marker ? CanvasPen::Marker : CanvasPen::BallEdge);
    CanvasSelectBrush(frame.dc, marker ? CanvasBrush::Hollow : CanvasBrush::Ball);
    CanvasEllipse(frame.dc, px - r, py - r, px + r + 1, py + r + 1);
}

}  // namespace

void ShowOverlay(PlotOverlay& overlay, PlotFrame& frame, OverlayFigure figure, double x, double y, int dpi) {
    if (!ReopenPlotFrame(frame)) return;
    if (overlay.shown) CanvasRestore(frame.dc, overlay.saved);
    overlay.shown = false;
    const int px = WorldToPixelX(frame, x), py = WorldToPixelY(frame, y);
    const int reach = OverlayReach(figure, dpi);
    const int left = px - reach < 0 ? 0 : px - reach, top = py - reach < 0 ? 0 : py - reach;
    const int right = px + reach + 1 > frame.width ? frame.width : px + reach + 1;
    const int bottom = py + reach + 1 > frame.height ? frame.height : py + reach + 1;
    if (right > left && bottom > top) {
        overlay.saved = CanvasSave(frame.dc, overlay.saved, left, top, right - left, bottom - top);
        if (overlay.saved) {
            Draw(frame, figure, px, py, dpi);
            overlay.shown = true;
            overlay.px = px;
            overlay.py = py;
        }
    }
    ClosePlotFrame(frame);
}

void HideOverlay(PlotOverlay& overlay, PlotFrame& frame) {
    if (!overlay.shown) return;
    overlay.shown = false;
    if (!ReopenPlotFrame(frame)) return;
    CanvasRestore(frame.dc, overlay.saved);
    ClosePlotFrame(frame);
}

void ForgetOverlay(PlotOverlay& overlay) { overlay.shown = false; }

void FreeOverlay(PlotOverlay& overlay) {
    CanvasFreeSaved(overlay.saved);
    overlay = PlotOverlay();
}
