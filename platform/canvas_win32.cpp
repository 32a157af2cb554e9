#include "platform/canvas_win32.h"

#include "platform/dialog_win32.h"

unsigned long canvasSystemCalls;

namespace {

constexpr COLORREF kBlue = RGB(0, 100, 200);
constexpr COLORREF kRed = RGB(250, 0, 0);
HPEN bluePen;
HPEN redDotPen;

HDC Dc(CanvasContext dc) { return reinterpret_cast<HDC>(dc); }
HWND Window(CanvasWindow window) { return WindowOf(window); }

COLORREF ColourOf(CanvasColour colour) {
    switch (colour) {
        case CanvasColour::Blue: return kBlue;
        case CanvasColour::Red: return kRed;
        default: return RGB(0, 0, 0);
    }
}

}  // namespace

void CreateCanvasPens() {
    if (!bluePen) bluePen = CreatePen(PS_SOLID, 1, kBlue);
    if (!redDotPen) redDotPen = CreatePen(PS_DOT, 1, kRed);
}

CanvasWindow CanvasOfControl(DialogHandle dialog, int id) {
    return reinterpret_cast<CanvasWindow>(GetDlgItem(WindowOf(dialog), id));
}

// The drawing area is a static control without a private context: GetDC hands out one of the
// system's shared contexts with its defaults, which must go back after every drawing.
CanvasContext CanvasBegin(CanvasWindow window) {
    if (!window) return nullptr;  // GetDC(null) would draw on the screen
    ++canvasSystemCalls;
    return reinterpret_cast<CanvasContext>(GetDC(Window(window)));
}

void CanvasEnd(CanvasWindow window, CanvasContext dc) {
    ++canvasSystemCalls;
    ReleaseDC(Window(window), Dc(dc));
}

bool CanvasClientSize(CanvasWindow window, int& width, int& height) {
    RECT client = {};
    ++canvasSystemCalls;
    const bool ok = window && GetClientRect(Window(window), &client);
    width = ok ? client.right : 0;
    height = ok ? client.bottom : 0;
    return ok;
}

void CanvasClear(CanvasContext dc, int width, int height) {
    ++canvasSystemCalls;
    Rectangle(Dc(dc), 0, 0, width, height);
}

CanvasRegion CanvasClipTo(CanvasContext dc, int width, int height) {
    canvasSystemCalls += 2;
    HRGN region = CreateRectRgn(0, 0, width, height);
    if (region) SelectClipRgn(Dc(dc), region);  // the context keeps its own copy
    return reinterpret_cast<CanvasRegion>(region);
}

void CanvasFreeRegion(CanvasRegion region) {
    ++canvasSystemCalls;
    DeleteObject(reinterpret_cast<HRGN>(region));
}

void CanvasMoveTo(CanvasContext dc, int x, int y) {
    ++canvasSystemCalls;
    MoveToEx(Dc(dc), x, y, nullptr);
}

void CanvasLineTo(CanvasContext dc, int x, int y) {
    ++canvasSystemCalls;
    LineTo(Dc(dc), x, y);
}

void CanvasTextOut(CanvasContext dc, int x, int y, const char* text, int length) {
    ++canvasSystemCalls;
    TextOutA(Dc(dc), x, y, text, length);
}

void CanvasTextColour(CanvasContext dc, CanvasColour colour) {
    ++canvasSystemCalls;
    SetTextColor(Dc(dc), ColourOf(colour));
}

void CanvasSelectPen(CanvasContext dc, CanvasPen pen) {
    HGDIOBJ object = pen == CanvasPen::Blue     ? bluePen
                     : pen == CanvasPen::RedDot ? redDotPen
                                                : (++canvasSystemCalls, GetStockObject(BLACK_PEN));
    if (!object) return;  // the pens were not made; the current one stays
    ++canvasSystemCalls;
    SelectObject(Dc(dc), object);
}
