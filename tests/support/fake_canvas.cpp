#include "tests/support/fake_canvas.h"

#include <cstdint>

namespace {

FakeCanvas canvas;
int windowToken;
int nextContext = 1;

// Each context is a distinct non-null token; the pen and colour of a fresh one are black.
struct ContextState {
    CanvasContext token;
    CanvasPen pen;
    CanvasColour colour;
};
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
    if (window != FakePlotWindow()) return nullptr;
    // Tokens are addresses past a small array of their own: never null, never dereferenced.
    auto token = reinterpret_cast<CanvasContext>(static_cast<std::uintptr_t>(0x1000 + 16 * nextContext++));
    open.push_back({token, CanvasPen::Black, CanvasColour::Black});
    ++canvas.openContexts;
    canvas.calls.push_back(Plain(CanvasOp::Begin));
    return token;
}

void CanvasEnd(CanvasWindow window, CanvasContext dc) {
    if (window != FakePlotWindow()) canvas.misuse = true;
    for (auto it = open.begin(); it != open.end(); ++it) {
        if (it->token == dc) {
            open.erase(it);
            --canvas.openContexts;
            canvas.calls.push_back(Plain(CanvasOp::End));
            return;
        }
    }
    canvas.misuse = true;
}

bool CanvasClientSize(CanvasWindow window, int& width, int& height) {
    width = height = 0;
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
