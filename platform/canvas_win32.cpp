#include "platform/canvas_win32.h"

#include "platform/dialog_win32.h"

unsigned long canvasSystemCalls;

struct CanvasSavedTag {
    HDC memory;
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
    int capacityWidth, capacityHeight;  // the bitmap's size
    int x, y, width, height;            // where the pixels it holds were taken
};

namespace {

constexpr COLORREF kBlue = RGB(0, 100, 200);
constexpr COLORREF kRed = RGB(250, 0, 0);

// The plot's pens by CanvasPen, with their widths at 96 dots per inch.
struct PenSpec {
    int style;
    COLORREF colour;
    int width;
};
constexpr PenSpec kPenSpecs[] = {
    {PS_SOLID, RGB(0, 0, 0), 1},  {PS_SOLID, kBlue, 1},           {PS_DOT, kRed, 1},
    {PS_SOLID, RGB(140, 140, 140), 1}, {PS_SOLID, RGB(170, 170, 170), 1}, {PS_SOLID, RGB(195, 195, 195), 1},
    {PS_SOLID, RGB(215, 215, 215), 1}, {PS_DASH, RGB(70, 70, 70), 1},     {PS_SOLID, kRed, 2},
    {PS_SOLID, RGB(0, 60, 140), 1},
};
constexpr int kPenCount = sizeof kPenSpecs / sizeof kPenSpecs[0];
static_assert(kPenCount == static_cast<int>(CanvasPen::BallEdge) + 1);

HPEN pens[kPenCount];  // null for the black pen while the stock one serves
int pensDpi;           // the density the pens and the font were made for
HFONT labelFont;       // null at 96 dots per inch: the system font
HBRUSH ballBrush;

HDC Dc(CanvasContext dc) { return reinterpret_cast<HDC>(dc); }
HWND Window(CanvasWindow window) { return WindowOf(window); }

COLORREF ColourOf(CanvasColour colour) {
    switch (colour) {
        case CanvasColour::Blue: return kBlue;
        case CanvasColour::Red: return kRed;
        default: return RGB(0, 0, 0);
    }
}

// One pixel wide, dotted and dashed lines keep GDI's own cosmetic patterns. Wider ones need a
// geometric pen, whose dots and dashes are given in pixels that grow with the width.
HPEN MakePen(const PenSpec& spec, int dpi) {
    const int width = CanvasScaled(spec.width, dpi);
    if (spec.style == PS_SOLID || width == 1) return CreatePen(spec.style, width, spec.colour);
    const LOGBRUSH brush = {BS_SOLID, spec.colour, 0};
    const DWORD dot[] = {DWORD(width), DWORD(width)}, dash[] = {DWORD(6 * width), DWORD(4 * width)};
    return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, width, &brush, 2,
                        spec.style == PS_DOT ? dot : dash);
}

void FreePensAndFont() {
    for (HPEN& pen : pens) {
        if (pen) DeleteObject(pen);
        pen = nullptr;
    }
    if (labelFont) DeleteObject(labelFont);
    labelFont = nullptr;
}

// The system font at 96 dots per inch is a bold 16-pixel face that does not grow with the
// screen's density; above it the labels take a bold TrueType face of the same proportions.
HFONT MakeLabelFont(int dpi) {
    LOGFONTA font = {};
    font.lfHeight = CanvasScaled(16, dpi);
    font.lfWeight = FW_BOLD;
    font.lfCharSet = ANSI_CHARSET;
    lstrcpynA(font.lfFaceName, "Tahoma", LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

}  // namespace

void CreateCanvasPens() { CanvasUseDpi(pensDpi ? pensDpi : 96); }

void CanvasUseDpi(int dpi) {
    if (dpi <= 0) dpi = 96;
    if (dpi == pensDpi && pens[1]) return;
    FreePensAndFont();
    for (int i = 0; i < kPenCount; ++i)
        if (i != 0 || CanvasScaled(1, dpi) > 1) pens[i] = MakePen(kPenSpecs[i], dpi);
    if (dpi != 96) labelFont = MakeLabelFont(dpi);
    if (!ballBrush) ballBrush = CreateSolidBrush(kBlue);
    pensDpi = dpi;
}

CanvasWindow CanvasOfControl(DialogHandle dialog, int id) {
    return reinterpret_cast<CanvasWindow>(GetDlgItem(WindowOf(dialog), id));
}

// The drawing area is a static control without a private context: GetDC hands out one of the
// system's shared contexts with its defaults, which must go back after every drawing.
CanvasContext CanvasBegin(CanvasWindow window) {
    if (!window) return nullptr;  // GetDC(null) would draw on the screen
    ++canvasSystemCalls;
    HDC dc = GetDC(Window(window));
    if (dc && labelFont) {
        ++canvasSystemCalls;
        SelectObject(dc, labelFont);
    }
    return reinterpret_cast<CanvasContext>(dc);
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

// The border stays one pixel, like the frame control's own; the lines drawn after it in the
// fresh context's black pen are as wide as the density asks.
void CanvasClear(CanvasContext dc, int width, int height) {
    ++canvasSystemCalls;
    Rectangle(Dc(dc), 0, 0, width, height);
    if (pens[0]) {
        ++canvasSystemCalls;
        SelectObject(Dc(dc), pens[0]);
    }
}

CanvasRegion CanvasClipTo(CanvasContext dc, int width, int height) {
    canvasSystemCalls += 2;
    HRGN region = CreateRectRgn(0, 0, width, height);
    if (region) SelectClipRgn(Dc(dc), region);  // the context keeps its own copy
    return reinterpret_cast<CanvasRegion>(region);
}

void CanvasNarrowClip(CanvasContext dc, int left, int top, int right, int bottom) {
    ++canvasSystemCalls;
    IntersectClipRect(Dc(dc), left, top, right, bottom);
}

void CanvasSelectClip(CanvasContext dc, CanvasRegion region) {
    ++canvasSystemCalls;
    SelectClipRgn(Dc(dc), reinterpret_cast<HRGN>(region));
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
    const int index = static_cast<int>(pen);
    HGDIOBJ object = index >= 0 && index < kPenCount ? pens[index] : nullptr;
    if (pen == CanvasPen::Black && !object) {
        ++canvasSystemCalls;
        object = GetStockObject(BLACK_PEN);
    }
    if (!object) return;  // the pens were not made; the current one stays
    ++canvasSystemCalls;
    SelectObject(Dc(dc), object);
}

void CanvasSelectBrush(CanvasContext dc, CanvasBrush brush) {
    HGDIOBJ object = brush == CanvasBrush::Ball ? static_cast<HGDIOBJ>(ballBrush) : nullptr;
    if (!object) {
        ++canvasSystemCalls;
        object = GetStockObject(HOLLOW_BRUSH);
    }
    ++canvasSystemCalls;
    SelectObject(Dc(dc), object);
}

void CanvasEllipse(CanvasContext dc, int left, int top, int right, int bottom) {
    ++canvasSystemCalls;
    Ellipse(Dc(dc), left, top, right, bottom);
}

// The kept pixels live in a memory bitmap like the screen's, grown when a larger square is asked.
CanvasSaved CanvasSave(CanvasContext dc, CanvasSaved store, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return store;
    if (!store || store->capacityWidth < width || store->capacityHeight < height) {
        const int capacityWidth = store && store->capacityWidth > width ? store->capacityWidth : width;
        const int capacityHeight = store && store->capacityHeight > height ? store->capacityHeight : height;
        CanvasFreeSaved(store);
        canvasSystemCalls += 3;
        HDC memory = CreateCompatibleDC(Dc(dc));
        HBITMAP bitmap = memory ? CreateCompatibleBitmap(Dc(dc), capacityWidth, capacityHeight) : nullptr;
        if (!bitmap) {
            if (memory) DeleteDC(memory);
            return nullptr;
        }
        store = new CanvasSavedTag{memory, bitmap, SelectObject(memory, bitmap), capacityWidth, capacityHeight,
                                   0, 0, 0, 0};
    }
    store->x = x;
    store->y = y;
    store->width = width;
    store->height = height;
    ++canvasSystemCalls;
    BitBlt(store->memory, 0, 0, width, height, Dc(dc), x, y, SRCCOPY);
    return store;
}

void CanvasRestore(CanvasContext dc, CanvasSaved store) {
    if (!store || store->width <= 0) return;
    ++canvasSystemCalls;
    BitBlt(Dc(dc), store->x, store->y, store->width, store->height, store->memory, 0, 0, SRCCOPY);
}

void CanvasFreeSaved(CanvasSaved store) {
    if (!store) return;
    canvasSystemCalls += 3;
    SelectObject(store->memory, store->oldBitmap);
    DeleteObject(store->bitmap);
    DeleteDC(store->memory);
    delete store;
}
