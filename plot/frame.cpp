#include "plot/frame.h"

#include <cmath>
#include <string>


namespace {

using Real = long double;

bool Finite(double v) { return std::isfinite(v); }

// Round to nearest with halves to even is the default rounding mode, which nearbyint follows.
// Infinities and a not-a-number (which no caller should pass) end at a limit, never in a cast.
int ToPixel(Real v) {
    if (!(v >= -kPixelLimit)) return -kPixelLimit;
    if (v > kPixelLimit) return kPixelLimit;
    return static_cast<int>(std::nearbyint(v));
}

void OpenContext(PlotFrame& frame) {
    frame.clip = CanvasClipTo(frame.dc, frame.width, frame.height);
}

}  // namespace

bool SetupPlotFrame(PlotFrame& frame, CanvasWindow window, double x1, double y1, double x2,
                    double y2, bool keepAspect) {
    // The fit runs in extended precision, where no product of doubles overflows or underflows.
    const Real wx = Real(x2) - x1, wy = Real(y2) - y1;
    if (!(wx * wy > 0)) return false;
    int width = 0, height = 0;
    if (!CanvasClientSize(window, width, height) || width <= 0 || height <= 0) return false;
    if (width > UINT16_MAX || height > UINT16_MAX) return false;

    Real left = x1, bottom = y1, right = x2, top = y2;
    if (keepAspect) {
        const Real ra = Real(width) / height, wa = wx / wy;
        if (ra > wa) {
            const Real d = (wy * ra - wx) / 2;
            left -= d;
            right += d;
        } else if (ra < wa) {
            const Real d = (wx / ra - wy) / 2;
            bottom -= d;
            top += d;
        }
    }
    const double sx = static_cast<double>(width / (right - left));
    const double sy = static_cast<double>(height / (top - bottom));
    const double fx1 = static_cast<double>(left), fy1 = static_cast<double>(bottom);
    const double fx2 = static_cast<double>(right), fy2 = static_cast<double>(top);
    // A window of some 1e307 metres or more does not fit in doubles; it is not drawn.
    if (!Finite(sx) || !Finite(sy) || sx == 0 || sy == 0 || !Finite(fx1) || !Finite(fy1) ||
        !Finite(fx2) || !Finite(fy2))
        return false;

    CanvasContext dc = CanvasBegin(window);
    if (!dc) return false;
    ClosePlotFrame(frame);  // the context of an earlier drawing, if one was left open
    CanvasClear(dc, width, height);
    frame.window = window;
    frame.dc = dc;
    frame.width = static_cast<std::uint16_t>(width);
    frame.height = static_cast<std::uint16_t>(height);
    frame.sx = sx;
    frame.sy = sy;
    frame.x1 = fx1;
    frame.y1 = fy1;
    frame.x2 = fx2;
    frame.y2 = fy2;
    OpenContext(frame);
    return true;
}

bool ReopenPlotFrame(PlotFrame& frame) {
    if (frame.width == 0 || frame.height == 0) return false;
    ClosePlotFrame(frame);
    frame.dc = CanvasBegin(frame.window);
    if (!frame.dc) return false;
    OpenContext(frame);
    return true;
}

void ClosePlotFrame(PlotFrame& frame) {
    if (frame.clip) CanvasFreeRegion(frame.clip);
    if (frame.dc) CanvasEnd(frame.window, frame.dc);
    frame.clip = nullptr;
    frame.dc = nullptr;
}

int WorldToPixelX(const PlotFrame& frame, double x) { return ToPixel((Real(x) - frame.x1) * frame.sx); }

int WorldToPixelY(const PlotFrame& frame, double y) {
    return ToPixel(Real(frame.height) - (Real(y) - frame.y1) * frame.sy);
}

void PlotMoveTo(const PlotFrame& frame, double x, double y) {
    if (frame.dc) CanvasMoveTo(frame.dc, WorldToPixelX(frame, x), WorldToPixelY(frame, y));
}

void PlotLineTo(const PlotFrame& frame, double x, double y) {
    if (frame.dc) CanvasLineTo(frame.dc, WorldToPixelX(frame, x), WorldToPixelY(frame, y));
}

void PlotLine(const PlotFrame& frame, double xa, double ya, double xb, double yb) {
    PlotMoveTo(frame, xa, ya);
    PlotLineTo(frame, xb, yb);
}

void PlotText(const PlotFrame& frame, double x, double y, std::string_view text) {
    if (frame.dc) TextOutShort(frame.dc, WorldToPixelX(frame, x), WorldToPixelY(frame, y), text);
}

