// The plot and the point panel under Wine: the real Ovanta.exe driven from this process, and
// the dialog created in this process to count what a repaint costs and that nothing leaks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/app_state.h"
#include "app/main_dialog_win32.h"
#include "physics/motion.h"
#include "physics/point.h"
#include "platform/canvas_win32.h"
#include "plot/frame.h"
#include "resources/ids.h"
#include "tests/support/point_cases.h"
#include "tests/win32/driver.h"

namespace {

class PlotPoint : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = StartOvanta(process_);
        ASSERT_NE(dialog_, nullptr);
        TypeInto(dialog_, IDC_VALUE_BASE + 1, "20");
        TypeInto(dialog_, IDC_VALUE_BASE + 2, "45");
        Click(dialog_, IDC_ACCEPT);
        ASSERT_TRUE(WaitFor([&] { return IsEnabledField(dialog_, IDC_POINT_ACCEPT); }));
    }
    void TearDown() override {
        PostMessageA(dialog_, WM_CLOSE, 0, 0);
        if (WaitExit(process_, 5000) < 0) TerminateProcess(process_.hProcess, 1);
    }
    // Types into point field k as a user does, presses the panel's Accept and waits until the
    // program has written the field back and disabled the button.
    void Ask(int k, const std::string& text, const std::string& written) {
        TypeInto(dialog_, IDC_POINT_BASE + k, text);
        ASSERT_TRUE(WaitFor([&] { return IsEnabledField(dialog_, IDC_POINT_ACCEPT); }));
        Click(dialog_, IDC_POINT_ACCEPT);
        EXPECT_TRUE(WaitFor([&] {
            return FieldText(dialog_, IDC_POINT_BASE + k) == written &&
                   !IsEnabledField(dialog_, IDC_POINT_ACCEPT);
        })) << FieldText(dialog_, IDC_POINT_BASE + k);
    }
    PROCESS_INFORMATION process_ = {};
    HWND dialog_ = nullptr;
};

TEST_F(PlotPoint, EachFieldAsksItsQuestionThroughThePanel) {
    for (const auto& c : kPointCases) {
        SCOPED_TRACE(c.k);
        Ask(c.k, c.text, c.fields[c.k - 1]);
        for (int k = 1; k <= 5; ++k) EXPECT_EQ(FieldText(dialog_, IDC_POINT_BASE + k), c.fields[k - 1]) << k;
        const bool two = c.k == 2 || c.k == 4;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(FieldText(dialog_, IDC_SECOND_X + i), c.second[i]);
            EXPECT_EQ(IsEnabledField(dialog_, IDC_SECOND_X + i), two);
        }
    }
}

TEST_F(PlotPoint, RefusalsAreReportedAndTheLastPointComesBack) {
    Ask(2, "5", "  5.00");
    const struct {
        int k;
        const char* text;
        const char* caption;
        const char* message;
    } cases[] = {
        {2, "11", "Wrong Y coordinate", "Y must be <= maximum Height"},
        {4, "-1", "Wrong sign", "|V| must be positive"},
        {4, "3", "Too low speed", "|V | must be >= Vx"},
        {3, "abc", "wrong value", "to Vy"},
        {5, "1e200", "Too large value", "The point is too far from the launch to be computed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TypeInto(dialog_, IDC_POINT_BASE + c.k, c.text);
        Click(dialog_, IDC_POINT_ACCEPT);
        MessageBoxSeen box = WaitMessageBox(dialog_);
        ASSERT_NE(box.window, nullptr);
        EXPECT_EQ(box.caption, c.caption);
        EXPECT_EQ(box.text, c.message);
        PressButton(box.window, IDOK);
        EXPECT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_POINT_BASE + 2) == "  5.00"; }));
        EXPECT_EQ(FieldText(dialog_, IDC_POINT_BASE + 1), "  5.84");
        EXPECT_EQ(FieldText(dialog_, IDC_SECOND_X), "x2: ");
    }
}

// Real mouse and keys, as a user's: they reach what is under the pointer or focused.
void RealClick(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    SetCursorPos(x, y);
    INPUT input[3] = {};
    for (INPUT& in : input) {
        in.type = INPUT_MOUSE;
        in.mi.dx = x * 65536 / GetSystemMetrics(SM_CXSCREEN);
        in.mi.dy = y * 65536 / GetSystemMetrics(SM_CYSCREEN);
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    input[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(3, input, sizeof(INPUT));
}

void RealKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// After a query made with the mouse, accepted or refused, the keyboard still works: typing goes
// into the field asked, and Tab moves on to the next field.
TEST_F(PlotPoint, KeyboardWorksAfterAQueryByClickingAccept) {
    SetForegroundWindow(dialog_);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == dialog_; }));
    auto focused = [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(process_.dwThreadId, &info);
        return info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : -1;
    };
    const struct {
        const char* label;
        const char* text;
        bool refused;
    } cases[] = {{"accepted", "5", false}, {"refused", "11", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TypeInto(dialog_, IDC_POINT_BASE + 2, c.text);
        ASSERT_TRUE(WaitFor([&] { return IsEnabledField(dialog_, IDC_POINT_ACCEPT); }));
        RealClick(GetDlgItem(dialog_, IDC_POINT_ACCEPT));
        if (c.refused) {
            MessageBoxSeen box = WaitMessageBox(dialog_);
            ASSERT_NE(box.window, nullptr);
            PressButton(box.window, IDOK);
        }
        ASSERT_TRUE(WaitFor([&] { return !IsEnabledField(dialog_, IDC_POINT_ACCEPT); }));
        EXPECT_TRUE(WaitFor([&] { return focused() == IDC_POINT_BASE + 2; })) << focused();
        RealKey('7');  // replaces the shown value
        EXPECT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_POINT_BASE + 2) == "7"; }))
            << FieldText(dialog_, IDC_POINT_BASE + 2);
        EXPECT_TRUE(IsEnabledField(dialog_, IDC_POINT_ACCEPT));
        RealKey(VK_TAB);
        EXPECT_TRUE(WaitFor([&] { return focused() == IDC_POINT_BASE + 3; })) << focused();
        RealKey('3');
        EXPECT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_POINT_BASE + 3) == "3"; }))
            << FieldText(dialog_, IDC_POINT_BASE + 3);
    }
}

// The picture of a solved case with both passages through 5 m marked, kept for the CI.
// Both passages at y = 5 are marked on screen: each has a red dotted line down to the x axis,
// so two columns of the drawing area hold long runs of red. The shot is kept for the guide.
TEST_F(PlotPoint, TwoMarkedPointsShowOnScreen) {
    Ask(2, "5", "  5.00");
    RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(300);
    const Capture area = CaptureWindow(GetDlgItem(dialog_, IDC_PLOT));
    std::vector<int> red(area.width);
    bool blue = false;
    for (int x = 0; x < area.width; ++x) {
        for (int y = 0; y < area.height; ++y) {
            red[x] += area.At(x, y) == RGB(250, 0, 0);
            blue = blue || area.At(x, y) == RGB(0, 100, 200);
        }
    }
    EXPECT_TRUE(blue) << "the reach dimension";
    // The two reddest columns, apart from each other's neighbours: the two projections.
    const int first = static_cast<int>(std::max_element(red.begin(), red.end()) - red.begin());
    int second = -1;
    for (int x = 0; x < area.width; ++x)
        if (std::abs(x - first) > 5 && (second < 0 || red[x] > red[second])) second = x;
    ASSERT_GE(second, 0);
    EXPECT_GE(red[first], 20);
    EXPECT_GE(red[second], 20) << "one dotted line down to the axis per passage";
    EXPECT_GT(std::abs(second - first), area.width / 3) << "x 5.84 and 34.94 of a reach of 40.78";
    const std::string folder = ProgramPath("OVANTA_ARTIFACTS");
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(SaveWindowBitmap(dialog_, folder + "\\plot_points.bmp"));
}

// --- In this process: the dialog's own paint, measured.

// Live GDI objects of this process. Wine's GetGuiResources is a stub that answers 0, so the
// handle table is read too: a handle's low word alone names its slot.
unsigned LiveGdiObjects() {
    unsigned count = 0;
    for (std::uintptr_t slot = 0x20; slot < 0x10000; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot))) ++count;
    return count;
}

class PlotPaint : public testing::Test {
protected:
    void SetUp() override {
        CreateCanvasPens();
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), "DlgMain", nullptr, MainDialogProc,
                                     reinterpret_cast<LPARAM>(&state_));
        ASSERT_NE(dialog_, nullptr);
        Pump();
        SetDlgItemTextA(dialog_, IDC_VALUE_BASE + 1, "20");
        SetDlgItemTextA(dialog_, IDC_VALUE_BASE + 2, "45");
        Command(IDC_ACCEPT);
        ASSERT_TRUE(state_.motionCase.solved);
        SetFocus(GetDlgItem(dialog_, IDC_POINT_BASE + 2));
        SetDlgItemTextA(dialog_, IDC_POINT_BASE + 2, "5");
        Command(IDC_POINT_ACCEPT);
        ASSERT_EQ(state_.pointQuery.solutionCount, 2);
        Pump();
    }
    void TearDown() override { DestroyWindow(dialog_); }
    HWND PlotArea() const { return WindowOf(state_.plotWindow); }
    void Command(int id) { SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    void Repaint() {
        RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    AppState state_;
    HWND dialog_ = nullptr;
};

TEST_F(PlotPaint, AThousandRepaintsLeakNoGdiObjects) {
    Repaint();
    Pump();
    const DWORD guiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const unsigned liveBefore = LiveGdiObjects();
    const unsigned long callsBefore = canvasSystemCalls;
    Repaint();
    const unsigned long callsPerRepaint = canvasSystemCalls - callsBefore;
    for (int i = 1; i < 1000; ++i) Repaint();
    Pump();
    const DWORD guiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const unsigned liveAfter = LiveGdiObjects();
    std::printf("GDI calls of the canvas per repaint: %lu\n", callsPerRepaint);
    std::printf("GetGuiResources(GR_GDIOBJECTS): %lu before, %lu after 1000 repaints\n",
                static_cast<unsigned long>(guiBefore), static_cast<unsigned long>(guiAfter));
    std::printf("live GDI handles: %u before, %u after 1000 repaints\n", liveBefore, liveAfter);
    EXPECT_EQ(guiAfter, guiBefore);
    EXPECT_EQ(liveAfter, liveBefore);
    EXPECT_GT(liveBefore, 0u);
    EXPECT_GT(callsPerRepaint, 30u);
    EXPECT_LT(callsPerRepaint, 100u);  // a few dozen calls, no more
}

TEST_F(PlotPaint, PaintValidatesAndThePlotStaysOnTop) {
    Repaint();
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE)) << "a paint follows a paint";
    EXPECT_FALSE(GetUpdateRect(dialog_, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(PlotArea(), nullptr, FALSE));
    Pump();
    // What is on screen now: the blue reach line and the black trajectory, not the dialog's grey.
    const double* v = state_.motionCase.solution.values;
    HDC dc = GetDC(PlotArea());
    const COLORREF reachLine = GetPixel(dc, WorldToPixelX(state_.plotFrame, v[ParamReach] / 4),
                                        WorldToPixelY(state_.plotFrame, -v[ParamHeight] / 12));
    const COLORREF inside = GetPixel(dc, WorldToPixelX(state_.plotFrame, v[ParamReach] * 0.9),
                                     WorldToPixelY(state_.plotFrame, v[ParamHeight] * 0.9));
    ReleaseDC(PlotArea(), dc);
    EXPECT_EQ(reachLine, RGB(0, 100, 200));
    EXPECT_EQ(inside, RGB(255, 255, 255));
}

// A paint that does not reach the drawing area leaves the plot alone; one that does redraws it.
TEST_F(PlotPaint, OnlyPaintsReachingTheAreaRedrawIt) {
    RECT area;
    GetWindowRect(PlotArea(), &area);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&area), 2);
    const RECT above = {area.left, 0, area.right, 20};
    const RECT corner = {area.left + 10, area.top + 10, area.left + 30, area.top + 30};
    const struct {
        const char* label;
        RECT rect;
        bool redrawn;
    } cases[] = {{"the top of the dialog", above, false}, {"a corner of the area", corner, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const unsigned long before = canvasSystemCalls;
        InvalidateRect(dialog_, &c.rect, TRUE);
        UpdateWindow(dialog_);
        EXPECT_EQ(canvasSystemCalls != before, c.redrawn);
    }
}

// The second-solution statics are wide enough for their longest usual texts.
TEST_F(PlotPaint, SecondSolutionStaticsShowTheirText) {
    for (int id : {IDC_SECOND_X, IDC_SECOND_VY, IDC_SECOND_T}) {
        HWND control = GetDlgItem(dialog_, id);
        char text[64] = "";
        GetWindowTextA(control, text, sizeof text);
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        SIZE size = {};
        GetTextExtentPoint32A(dc, text, static_cast<int>(std::string(text).size()), &size);
        SIZE widest = {};
        GetTextExtentPoint32A(dc, "Vy2: -100.00", 12, &widest);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        RECT client;
        GetClientRect(control, &client);
        std::printf("static %d \"%s\": text %ld px, \"Vy2: -100.00\" %ld px, static %ld px\n", id, text,
                    size.cx, widest.cx, client.right);
        EXPECT_LE(size.cx, client.right) << text;
        EXPECT_LE(widest.cx, client.right);
    }
}

}  // namespace
