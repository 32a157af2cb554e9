#include "tests/support/fake_canvas.h"

#include <cstdint>
#include <list>

namespace {

FakeCanvas canvas;
int windowToken;
int nextContext = 1;

// Each context is a distinct non-null token; the pen and colour of a fresh one are black.
struct ContextState {
    CanvasContext token;
    CanvasPen pen;
    CanvasColour colour;
    CanvasBrush brush;
    int surface;
};
// Surface n's window and picture are the addresses of elements n of these arrays.
char surfaceTokens[64];
char pictureTokens[64];

int SurfaceNumber(CanvasWindow window) {
    const auto at = static_cast<long>(reinterpret_cast<std::uintptr_t>(window) -
                                      reinterpret_cast<std::uintptr_t>(surfaceTokens));
    return at >= 1 && at <= static_cast<long>(canvas.surfaces.size()) && !canvas.surfaces[at - 1].closed
               ? static_cast<int>(at)
               : 0;
}
// A store of kept pixels remembers where they were taken. The fake owns them all, so a test
// that forgets one leaks nothing but is told by liveStores.
struct SavedState {
    int x, y, width, height;
};
std::list<SavedState> stores;
std::vector<ContextState> open;
int regionToken;

CanvasCall Plain(CanvasOp op) {
    CanvasCall call;
    call.op = op;
    return call;
}

ContextState* Find(CanvasContext dc) {
    for (auto& c : open)
        if (c.token == dc) return &c;
    canvas.misuse = true;
    return nullptr;
}

void Record(CanvasContext dc, CanvasOp op, int x = 0, int y = 0, std::string text = {}) {
    ContextState* c = Find(dc);
    CanvasCall call = Plain(op);
    call.x = x;
    call.y = y;
    call.text = std::move(text);
    if (c) {
        call.pen = c->pen;
        call.colour = c->colour;
        call.surface = c->surface;
        call.brush = c->brush;
    }
    canvas.calls.push_back(call);
}

}  // namespace

FakeCanvas& Canvas() { return canvas; }

void ResetCanvas(int width, int height) {
    canvas = FakeCanvas();
    canvas.width = width;
    canvas.height = height;
    open.clear();
    stores.clear();
}

std::vector<CanvasCall> CallsOf(CanvasOp op) {
    std::vector<CanvasCall> found;
    for (const auto& call : canvas.calls)
        if (call.op == op) found.push_back(call);
    return found;
}

CanvasWindow CanvasOfControl(DialogHandle, int) {
    return canvas.windowExists ? reinterpret_cast<CanvasWindow>(&windowToken) : nullptr;
}

CanvasWindow FakePlotWindow() { return reinterpret_cast<CanvasWindow>(&windowToken); }

CanvasContext CanvasBegin(CanvasWindow window) {
    const int surface = SurfaceNumber(window);
    if (window != FakePlotWindow() && !surface) return nullptr;
    // Tokens are addresses past a small array of their own: never null, never dereferenced.
    auto token = reinterpret_cast<CanvasContext>(static_cast<std::uintptr_t>(0x1000 + 16 * nextContext++));
    open.push_back({token, CanvasPen::Black, CanvasColour::Black, CanvasBrush::Hollow, surface});
    ++canvas.openContexts;
    canvas.calls.push_back(Plain(CanvasOp::Begin));
    canvas.calls.back().surface = surface;
    return token;
}

void CanvasEnd(CanvasWindow window, CanvasContext dc) {
    if (window != FakePlotWindow() && !SurfaceNumber(window)) canvas.misuse = true;
    for (auto it = open.begin(); it != open.end(); ++it) {
        if (it->token == dc) {
            const int surface = it->surface;
            open.erase(it);
            --canvas.openContexts;
            canvas.calls.push_back(Plain(CanvasOp::End));
            canvas.calls.back().surface = surface;
            return;
        }
    }
    canvas.misuse = true;
}

bool CanvasClientSize(CanvasWindow window, int& width, int& height) {
    width = height = 0;
    if (const int n = SurfaceNumber(window)) {
        width = canvas.surfaces[n - 1].width;
        height = canvas.surfaces[n - 1].height;
        return true;
    }
    if (window != FakePlotWindow()) return false;
    width = canvas.width;
    height = canvas.height;
    return true;
}

void CanvasClear(CanvasContext dc, int width, int height) { Record(dc, CanvasOp::Clear, width, height); }

CanvasRegion CanvasClipTo(CanvasContext dc, int width, int height) {
    Record(dc, CanvasOp::Clip, width, height);
    ++canvas.liveRegions;
    return reinterpret_cast<CanvasRegion>(&regionToken);
}

void CanvasFreeRegion(CanvasRegion region) {
    if (region != reinterpret_cast<CanvasRegion>(&regionToken) || canvas.liveRegions == 0) canvas.misuse = true;
    --canvas.liveRegions;
    canvas.calls.push_back(Plain(CanvasOp::FreeRegion));
}

void CanvasNarrowClip(CanvasContext dc, int left, int top, int right, int bottom) {
    Record(dc, CanvasOp::NarrowClip, left, top);
    canvas.calls.back().right = right;
    canvas.calls.back().bottom = bottom;
}

void CanvasSelectClip(CanvasContext dc, CanvasRegion) { Record(dc, CanvasOp::SelectClip); }

void CanvasMoveTo(CanvasContext dc, int x, int y) { Record(dc, CanvasOp::MoveTo, x, y); }
void CanvasLineTo(CanvasContext dc, int x, int y) { Record(dc, CanvasOp::LineTo, x, y); }

void CanvasTextOut(CanvasContext dc, int x, int y, const char* text, int length) {
    Record(dc, CanvasOp::Text, x, y, std::string(text, static_cast<std::size_t>(length)));
}

void CanvasTextColour(CanvasContext dc, CanvasColour colour) {
    if (ContextState* c = Find(dc)) c->colour = colour;
    Record(dc, CanvasOp::TextColour);
}

void CanvasSelectPen(CanvasContext dc, CanvasPen pen) {
    if (ContextState* c = Find(dc)) c->pen = pen;
    Record(dc, CanvasOp::Pen);
}

std::vector<CanvasCall> CallsOn(int surface) {
    std::vector<CanvasCall> found;
    for (const auto& call : canvas.calls)
        if (call.surface == surface) found.push_back(call);
    return found;
}

CanvasWindow CanvasOpenSurface(CanvasSurfaceKind kind, int width, int height, int scale) {
    if (canvas.surfaces.size() + 1 >= sizeof surfaceTokens) return nullptr;
    canvas.surfaces.push_back({kind, width, height, scale, false, false});
    return reinterpret_cast<CanvasWindow>(surfaceTokens + canvas.surfaces.size());
}

CanvasPicture CanvasCloseSurface(CanvasWindow surface) {
    const int n = SurfaceNumber(surface);
    if (!n) {
        canvas.misuse = true;
        return nullptr;
    }
    for (const auto& c : open)
        if (c.surface == n) canvas.misuse = true;  // a context still open on it
    canvas.surfaces[n - 1].closed = true;
    return reinterpret_cast<CanvasPicture>(pictureTokens + n);
}

int SurfaceOfPicture(CanvasPicture picture) {
    const auto at = static_cast<long>(reinterpret_cast<std::uintptr_t>(picture) -
                                      reinterpret_cast<std::uintptr_t>(pictureTokens));
    return at >= 1 && at <= static_cast<long>(canvas.surfaces.size()) ? static_cast<int>(at) : 0;
}

void CanvasFreePicture(CanvasPicture picture) {
    const int n = SurfaceOfPicture(picture);
    if (!n || canvas.surfaces[n - 1].pictureFreed) {
        canvas.misuse = true;
        return;
    }
    canvas.surfaces[n - 1].pictureFreed = true;
}

int LivePictures() {
    int live = 0;
    for (const auto& s : canvas.surfaces) live += s.closed && !s.pictureFreed;
    return live;
}

void CanvasUseDpi(int dpi) { canvas.dpi = dpi; }

void CanvasSelectBrush(CanvasContext dc, CanvasBrush brush) {
    if (ContextState* c = Find(dc)) c->brush = brush;
    Record(dc, CanvasOp::Brush);
}

void CanvasEllipse(CanvasContext dc, int left, int top, int right, int bottom) {
    Record(dc, CanvasOp::Ellipse, left, top);
    canvas.calls.back().right = right;
    canvas.calls.back().bottom = bottom;
}

CanvasSaved CanvasSave(CanvasContext dc, CanvasSaved store, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return store;
    if (!store) {
        store = reinterpret_cast<CanvasSaved>(&stores.emplace_back());
        ++canvas.liveStores;
    }
    *reinterpret_cast<SavedState*>(store) = {x, y, width, height};
    Record(dc, CanvasOp::Save, x, y);
    canvas.calls.back().right = width;
    canvas.calls.back().bottom = height;
    return store;
}

void CanvasRestore(CanvasContext dc, CanvasSaved store) {
    if (!store) return;
    const SavedState& s = *reinterpret_cast<SavedState*>(store);
    Record(dc, CanvasOp::Restore, s.x, s.y);
    canvas.calls.back().right = s.width;
    canvas.calls.back().bottom = s.height;
}

void CanvasFreeSaved(CanvasSaved store) {
    if (!store) return;
    stores.remove_if([store](const SavedState& s) { return &s == reinterpret_cast<const SavedState*>(store); });
    --canvas.liveStores;
    canvas.calls.push_back(Plain(CanvasOp::FreeSaved));
}
