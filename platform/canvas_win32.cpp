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
struct PenLook {
    int style;
    COLORREF colour;
    int width;
};
constexpr PenLook kPenLooks[] = {
    {PS_SOLID, RGB(0, 0, 0), 1},  {PS_SOLID, kBlue, 1},           {PS_DOT, kRed, 1},
    {PS_SOLID, RGB(140, 140, 140), 1}, {PS_SOLID, RGB(170, 170, 170), 1}, {PS_SOLID, RGB(195, 195, 195), 1},
    {PS_SOLID, RGB(215, 215, 215), 1}, {PS_DASH, RGB(70, 70, 70), 1},     {PS_SOLID, kRed, 2},
    {PS_SOLID, RGB(0, 60, 140), 1},
};
constexpr int kPenCount = sizeof kPenLooks / sizeof kPenLooks[0];
static_assert(kPenCount == static_cast<int>(CanvasPen::BallEdge) + 1);

// One pixel wide, dotted and dashed lines keep GDI's own cosmetic patterns. Wider ones need a
// geometric pen, whose dots and dashes are given in pixels that grow with the width.
HPEN MakePen(const PenLook& look, int width) {
    if (look.style == PS_SOLID || width == 1) return CreatePen(look.style, width, look.colour);
    const LOGBRUSH brush = {BS_SOLID, look.colour, 0};
    const DWORD dot[] = {DWORD(width), DWORD(width)}, dash[] = {DWORD(6 * width), DWORD(4 * width)};
    return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, width, &brush, 2,
                        look.style == PS_DOT ? dot : dash);
}

HPEN pens[kPenCount];  // null for the black pen while the stock one serves
int pensDpi;           // the density the pens and the font were made for
HFONT labelFont;       // null at 96 dots per inch: the system font
HBRUSH ballBrush;

HDC Dc(CanvasContext dc) { return reinterpret_cast<HDC>(dc); }
HWND Window(CanvasWindow window) { return WindowOf(window); }

// An open off-screen surface. Its handle is its address: the surfaces are the canvas's own
// objects, found by that address, so no window handle is ever taken for one.
struct Surface {
    CanvasSurfaceKind kind;
    int width, height, scale;
    HDC dc;
    HBITMAP bitmap;  // the DIB section of a bitmap surface, selected into dc
    HGDIOBJ firstBitmap;
    void* bits;
    HFONT font;       // the screen's font at `scale` times its size
    HPEN pens[kPenCount];  // the screen's pens at `scale` times their width; null at scale 1
    HPEN border;           // the area's one-pixel border at `scale` times its width; null at scale 1
};
// Copies and pictures are made one at a time; a few slots leave room to spare.
Surface* surfaces[4];

Surface* SurfaceOf(CanvasWindow window) {
    for (Surface* s : surfaces)
        if (s && reinterpret_cast<CanvasWindow>(s) == window) return s;
    return nullptr;
}

Surface* SurfaceOfContext(CanvasContext dc) {
    for (Surface* s : surfaces)
        if (s && s->dc == Dc(dc)) return s;
    return nullptr;
}

COLORREF ColourOf(CanvasColour colour) {
    switch (colour) {
        case CanvasColour::Blue: return kBlue;
        case CanvasColour::Red: return kRed;
        default: return RGB(0, 0, 0);
    }
}

// The screen's font (the one a fresh context draws with) at `scale` times its height.
HFONT ScaledScreenFont(int scale) {
    HDC screen = GetDC(nullptr);
    TEXTMETRICA metrics = {};
    LOGFONTA font = {};
    GetTextMetricsA(screen, &metrics);
    GetTextFaceA(screen, LF_FACESIZE, font.lfFaceName);
    ReleaseDC(nullptr, screen);
    font.lfHeight = metrics.tmHeight * scale;  // positive: the cell height, as the metrics give it
    font.lfWeight = metrics.tmWeight;
    font.lfCharSet = metrics.tmCharSet;
    font.lfPitchAndFamily = metrics.tmPitchAndFamily;
    return CreateFontIndirectA(&font);
}

CanvasContext BeginSurfaceDrawing(Surface& surface) {
    ++canvasSystemCalls;
    SaveDC(surface.dc);
    // Selected even at the screen's size: a metafile then holds the font itself, and the
    // widths of its characters come from it (Wine records none for a context's default font).
    if (surface.font) SelectObject(surface.dc, surface.font);
    if (surface.border) SelectObject(surface.dc, surface.border);
    return reinterpret_cast<CanvasContext>(surface.dc);
}

// A 24-bit DIB section in a memory context, white.
bool MakeBitmapSurface(Surface& surface) {
    HDC screen = GetDC(nullptr);
    surface.dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (!surface.dc) return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = surface.width;
    info.bmiHeader.biHeight = -surface.height;  // top row first, as an image file wants it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    surface.bitmap = CreateDIBSection(surface.dc, &info, DIB_RGB_COLORS, &surface.bits, nullptr, 0);
    if (!surface.bitmap) {
        DeleteDC(surface.dc);
        return false;
    }
    surface.firstBitmap = SelectObject(surface.dc, surface.bitmap);
    PatBlt(surface.dc, 0, 0, surface.width, surface.height, WHITENESS);
    return true;
}

// An enhanced metafile whose frame is the surface's size at the screen's resolution.
bool MakeMetafileSurface(Surface& surface) {
    HDC screen = GetDC(nullptr);
    RECT frame = {0, 0,
                  MulDiv(surface.width, GetDeviceCaps(screen, HORZSIZE) * 100, GetDeviceCaps(screen, HORZRES)),
                  MulDiv(surface.height, GetDeviceCaps(screen, VERTSIZE) * 100, GetDeviceCaps(screen, VERTRES))};
    ReleaseDC(nullptr, screen);
    surface.dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, "Ovanta shot\0Plot\0");
    return surface.dc != nullptr;
}

void FreeSurfaceTools(Surface& surface) {
    if (surface.font) DeleteObject(surface.font);
    for (HPEN pen : surface.pens)
        if (pen) DeleteObject(pen);
    if (surface.border) DeleteObject(surface.border);
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
// screen's density; above it the labels take a bold TrueType face of the same proportions,
// `height` pixels high.
HFONT MakeLabelFont(int height) {
    LOGFONTA font = {};
    font.lfHeight = height;
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
        if (i != 0 || CanvasScaled(1, dpi) > 1) pens[i] = MakePen(kPenLooks[i], CanvasScaled(kPenLooks[i].width, dpi));
    if (dpi != 96) labelFont = MakeLabelFont(CanvasScaled(16, dpi));
    if (!ballBrush) ballBrush = CreateSolidBrush(kBlue);
    pensDpi = dpi;
}

CanvasWindow CanvasOfControl(DialogHandle dialog, int id) {
    return reinterpret_cast<CanvasWindow>(GetDlgItem(WindowOf(dialog), id));
}

// The drawing area is a static control without a private context: GetDC hands out one of the
// system's shared contexts with its defaults, which must go back after every drawing. A
// surface keeps one context for its whole life; each drawing saves its state and puts it back,
// so that every drawing starts from the defaults.
CanvasContext CanvasBegin(CanvasWindow window) {
    if (Surface* surface = SurfaceOf(window)) return BeginSurfaceDrawing(*surface);
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
    if (SurfaceOf(window)) {
        RestoreDC(Dc(dc), -1);
        return;
    }
    ReleaseDC(Window(window), Dc(dc));
}

bool CanvasClientSize(CanvasWindow window, int& width, int& height) {
    if (const Surface* surface = SurfaceOf(window)) {
        width = surface->width;
        height = surface->height;
        return true;
    }
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
    const Surface* surface = SurfaceOfContext(dc);
    const HPEN black = surface && surface->scale > 1 ? surface->pens[0] : pens[0];
    if (black) {
        ++canvasSystemCalls;
        SelectObject(Dc(dc), black);
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
    // A picture drawn at a larger scale has pens of its own, as wide as that scale asks.
    const Surface* surface = SurfaceOfContext(dc);
    const HPEN* set = surface && surface->scale > 1 ? surface->pens : pens;
    HGDIOBJ object = index >= 0 && index < kPenCount ? set[index] : nullptr;
    if (pen == CanvasPen::Black && !object) {
        ++canvasSystemCalls;
        object = GetStockObject(BLACK_PEN);
    }
    if (!object) return;  // the pens were not made; the current one stays
    ++canvasSystemCalls;
    SelectObject(Dc(dc), object);
}

CanvasWindow CanvasOpenSurface(CanvasSurfaceKind kind, int width, int height, int scale) {
    Surface** slot = nullptr;
    for (Surface*& s : surfaces)
        if (!s && !slot) slot = &s;
    if (!slot || width <= 0 || height <= 0 || scale < 1) return nullptr;
    auto* surface = new Surface{kind, width, height, scale, nullptr, nullptr, nullptr, nullptr, nullptr, {}, nullptr};
    const bool made = kind == CanvasSurfaceKind::Bitmap ? MakeBitmapSurface(*surface) : MakeMetafileSurface(*surface);
    if (!made) {
        delete surface;
        return nullptr;
    }
    // The screen's look at `scale` times its size: its font, and each of its pens, as wide as
    // the screen's density makes it, `scale` times over.
    surface->font = labelFont ? MakeLabelFont(scale * CanvasScaled(16, pensDpi)) : ScaledScreenFont(scale);
    if (scale > 1) {
        for (int i = 0; i < kPenCount; ++i)
            surface->pens[i] = MakePen(kPenLooks[i], scale * CanvasScaled(kPenLooks[i].width, pensDpi));
        surface->border = CreatePen(PS_SOLID, scale, RGB(0, 0, 0));
    }
    *slot = surface;
    return reinterpret_cast<CanvasWindow>(surface);
}

CanvasPicture CanvasCloseSurface(CanvasWindow window) {
    Surface* surface = SurfaceOf(window);
    if (!surface) return nullptr;
    for (Surface*& s : surfaces)
        if (s == surface) s = nullptr;
    auto* picture = new CanvasPictureTag{surface->kind, surface->width, surface->height, nullptr, nullptr,
                                         surface->bits, (surface->width * 3 + 3) & ~3};
    if (surface->kind == CanvasSurfaceKind::Metafile) {
        picture->metafile = CloseEnhMetaFile(surface->dc);
    } else {
        GdiFlush();  // the bits are read directly afterwards
        SelectObject(surface->dc, surface->firstBitmap);
        DeleteDC(surface->dc);
        picture->bitmap = surface->bitmap;
    }
    FreeSurfaceTools(*surface);
    delete surface;
    if (picture->metafile || picture->bitmap) return picture;
    delete picture;
    return nullptr;
}

void CanvasFreePicture(CanvasPicture picture) {
    if (!picture) return;
    if (picture->metafile) DeleteEnhMetaFile(picture->metafile);
    if (picture->bitmap) DeleteObject(picture->bitmap);
    delete picture;
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
