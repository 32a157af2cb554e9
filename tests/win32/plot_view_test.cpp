// The drawing area under Wine: the real Ovanta.exe driven with the real pointer and keyboard
// (hover, click, F5, Esc), a picture of earlier paths with the marker, and, in this process,
// what a hover move and a frame of the play cost.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/main_dialog_win32.h"
#include "app/point_panel.h"
#include "physics/motion.h"
#include "physics/point.h"
#include "platform/canvas_win32.h"
#include "plot/frame.h"
#include "platform/timer_win32.h"
#include "resources/ids.h"
#include "tests/win32/driver.h"
#include "text/number_text.h"
#include "text/status_text.h"

namespace {

const char* const kCaseLine = "Lands 40.775 m away after 2.883 s; highest 10.194 m at 1.442 s";

// The case the tests solve: Vo 20 m/s at 45 degrees from the ground.
Solution Case45() {
    Solution solved = {};
    GivenData given;
    given.pair = {ParamVo, ParamAngle};
    given.values[ParamVo] = 20;
    given.values[ParamAngle] = 45;
    SolveCase(given, solved);
    return solved;
}

// The five numbers of a point line of the status: x, y, Vy, |V|, t.
bool ReadPointLine(const std::string& line, double values[5]) {
    return std::sscanf(line.c_str(), "x %lf m   y %lf m   Vy %lf m/s   |V| %lf m/s   t %lf s", &values[0],
                       &values[1], &values[2], &values[3], &values[4]) == 5;
}

class PlotMotion : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = StartOvanta(process_);
        ASSERT_NE(dialog_, nullptr);
        SetForegroundWindow(dialog_);
        Solve("45");
        ASSERT_EQ(Status(), kCaseLine);
    }
    void TearDown() override {
        PostMessageA(dialog_, WM_CLOSE, 0, 0);
        if (WaitExit(process_, 5000) < 0) TerminateProcess(process_.hProcess, 1);
    }
    void Solve(const char* angle) {
        TypeInto(dialog_, IDC_VALUE_BASE + 1, "20");
        TypeInto(dialog_, IDC_VALUE_BASE + 2, angle);
        const std::string before = FieldText(dialog_, IDC_VALUE_BASE + 3);
        Click(dialog_, IDC_ACCEPT);
        WaitFor([&] { return FieldText(dialog_, IDC_VALUE_BASE + 3) != before; });
        WaitFor([&] { return Status().rfind("Lands", 0) == 0; });
    }
    std::string Status() { return FieldText(dialog_, IDC_STATUS); }
    POINT AreaAt(double fx) { return ControlPoint(dialog_, IDC_PLOT, fx, 0.5); }
    PROCESS_INFORMATION process_ = {};
    HWND dialog_ = nullptr;
};

// Along the area: outside the span the case line, inside the point at the pointer's x, which
// grows to the right, with y, Vy, |V| and t those of the path at that x (to the rounding).
TEST_F(PlotMotion, HoverReadsThePathUnderThePointer) {
    const Solution s = Case45();
    double lastX = -1;
    std::string line;
    for (double fx : {0.02, 0.2, 0.35, 0.5, 0.65, 0.8, 0.97}) {
        SCOPED_TRACE(fx);
        MovePointer(AreaAt(fx));
        const bool inSpan = fx > 0.1 && fx < 0.84;  // the launch is at 1/13, the landing at 11/13
        const std::string before = line;
        ASSERT_TRUE(WaitFor([&] {
            line = Status();
            return inSpan ? line.rfind("x ", 0) == 0 && line != before : line == kCaseLine;
        })) << line;
        if (!inSpan) continue;
        double v[5];
        ASSERT_TRUE(ReadPointLine(line, v)) << line;
        EXPECT_GT(v[0], lastX);
        lastX = v[0];
        TrajectoryPoint p = {};
        SolvePoint(s, p, 1, v[0]);
        EXPECT_NEAR(v[1], p.y, 0.011);
        EXPECT_NEAR(v[2], p.vy, 0.011);
        EXPECT_NEAR(v[3], p.speed, 0.011);
        EXPECT_NEAR(v[4], p.t, 0.011);
    }
    MovePointer(ControlPoint(dialog_, IDC_EXIT, 0.5, 0.5));  // onto a button: the line goes back
    EXPECT_TRUE(WaitFor([&] { return Status() == kCaseLine; })) << Status();
}

TEST_F(PlotMotion, AClickFillsThePointPanel) {
    MovePointer(AreaAt(0.3));
    std::string line;
    ASSERT_TRUE(WaitFor([&] { return (line = Status()).rfind("x ", 0) == 0; }));
    ClickAt(AreaAt(0.3));
    ASSERT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_POINT_BASE + 5) != ""; }));
    ASSERT_TRUE(WaitFor([&] { return !IsEnabledField(dialog_, IDC_POINT_ACCEPT); }));
    double v[5];
    ASSERT_TRUE(ReadPointLine(line, v)) << line;
    // The panel answers the question "x = the hovered x, to two decimals", as if typed.
    TrajectoryPoint p = {};
    SolvePoint(Case45(), p, 1, std::round(v[0] * 100) / 100);
    const double fields[] = {p.x, p.y, p.vy, p.speed, p.t};
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(FieldText(dialog_, IDC_POINT_BASE + k), FormatFixed(fields[k - 1], 6, 2)) << k;
    EXPECT_EQ(FieldText(dialog_, IDC_SECOND_X), "x2: ");
}

// F5 sets the ball flying: the status line follows it, its time growing; Esc stops it and
// leaves the dialog open, and a second Esc closes the dialog as always.
TEST_F(PlotMotion, F5PlaysAndEscStops) {
    MovePointer(ControlPoint(dialog_, IDC_ACCEPT, 0.5, 0.5));
    PressKey(VK_F5);
    double first[5] = {}, later[5] = {};
    ASSERT_TRUE(WaitFor([&] { return ReadPointLine(Status(), first); }, 2000)) << Status();
    Sleep(400);
    ASSERT_TRUE(ReadPointLine(Status(), later)) << Status();
    EXPECT_GT(later[4], first[4]);
    EXPECT_GT(later[0], first[0]);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return Status() == kCaseLine; }, 2000)) << Status();
    Sleep(200);
    EXPECT_TRUE(IsWindowVisible(dialog_)) << "Esc stopped the play, not the dialog";
    EXPECT_EQ(Status(), kCaseLine);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(WaitExit(process_), 0);
    dialog_ = nullptr;
}

// Esc held while the ball flies (down, a repeat, up): the key-down stops the ball, and neither
// the repeat nor the release goes on to close the program; a single Esc then still does.
TEST_F(PlotMotion, AHeldEscStopsThePlayAndNothingElse) {
    MovePointer(ControlPoint(dialog_, IDC_ACCEPT, 0.5, 0.5));
    PressKey(VK_F5);
    double v[5] = {};
    ASSERT_TRUE(WaitFor([&] { return ReadPointLine(Status(), v); }, 2000)) << Status();
    HoldKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return Status() == kCaseLine; }, 2000)) << Status();
    ASSERT_EQ(WaitExit(process_, 500), -1) << "the held Esc closed the program";
    EXPECT_TRUE(IsWindowVisible(dialog_));
    PressKey(VK_ESCAPE);
    EXPECT_EQ(WaitExit(process_), 0);
    dialog_ = nullptr;
}

// The menu key and Shift+F10 in a field open the plot's menu and nothing more: held while the
// menu is closed again, neither the key's repeat nor its release opens a menu again, the
// field's own or the plot's.
TEST_F(PlotMotion, TheMenuKeyOpensThePlotsMenuOnly) {
    const struct {
        const char* label;
        WORD key;
        bool shift;
    } cases[] = {{"the menu key", VK_APPS, false}, {"Shift+F10", VK_F10, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TypeInto(dialog_, IDC_VALUE_BASE + 1, "20");  // the focus in a field
        ASSERT_EQ(VisibleMenus(), 0);
        if (c.shift) KeyEvent(VK_SHIFT, false);
        KeyEvent(c.key, false);
        ASSERT_TRUE(WaitFor([] { return VisibleMenus() == 1; }, 2000));
        PressKey(VK_ESCAPE);  // closes the plot's menu, the key still held
        ASSERT_TRUE(WaitFor([] { return VisibleMenus() == 0; }, 2000));
        KeyEvent(c.key, false);  // its repeat
        Sleep(40);
        KeyEvent(c.key, true);
        if (c.shift) KeyEvent(VK_SHIFT, true);
        Sleep(400);
        EXPECT_EQ(VisibleMenus(), 0) << "another menu opened";
        while (VisibleMenus() > 0) {
            PressKey(VK_ESCAPE);
            Sleep(200);
        }
        EXPECT_TRUE(IsWindowVisible(dialog_));
    }
}

// Two earlier paths in their two greys behind the case, and the red marker on the path; the
// picture is kept to look at.
TEST_F(PlotMotion, EarlierPathsAndTheMarkerShowOnScreen) {
    Solve("30");
    Solve("60");
    MovePointer(AreaAt(0.4));
    ASSERT_TRUE(WaitFor([&] { return Status().rfind("x ", 0) == 0; }));
    Sleep(200);
    const Capture area = CaptureWindow(GetDlgItem(dialog_, IDC_PLOT));
    int newer = 0, older = 0, red = 0;
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            newer += area.At(x, y) == RGB(140, 140, 140);
            older += area.At(x, y) == RGB(170, 170, 170);
            red += area.At(x, y) == RGB(250, 0, 0);
        }
    }
    EXPECT_GT(newer, 50) << "the 30 degree path, the newer";
    EXPECT_GT(older, 50) << "the 45 degree path, the older and lighter";
    EXPECT_GT(red, 10) << "the marker";
    const std::string folder = ProgramPath("OVANTA_ARTIFACTS");
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(SaveWindowBitmap(dialog_, folder + "\\earlier_paths.bmp"));
}

// --- In this process: what a hover move and a frame of the play cost.

class PlotMotionCost : public testing::Test {
protected:
    void SetUp() override {
        CreateCanvasPens();
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), "DlgMain", nullptr, MainDialogProc,
                                     reinterpret_cast<LPARAM>(&state_));
        ASSERT_NE(dialog_, nullptr);
        SetDlgItemTextA(dialog_, IDC_VALUE_BASE + 1, "20");
        SetDlgItemTextA(dialog_, IDC_VALUE_BASE + 2, "45");
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDC_ACCEPT, BN_CLICKED), 0);
        ASSERT_TRUE(state_.view.caseDrawn);
        Pump();
    }
    void TearDown() override { DestroyWindow(dialog_); }
    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    // A move of the pointer to fraction fx of the area's width, as the dialog receives it.
    void MoveTo(double fx) {
        HWND area = GetDlgItem(dialog_, IDC_PLOT);
        RECT client;
        GetClientRect(area, &client);
        POINT at = {static_cast<LONG>(client.right * fx), client.bottom / 2};
        MapWindowPoints(area, dialog_, &at, 1);
        SendMessageA(dialog_, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    }
    static double Now() {
        LARGE_INTEGER count, frequency;
        QueryPerformanceCounter(&count);
        QueryPerformanceFrequency(&frequency);
        return double(count.QuadPart) / double(frequency.QuadPart);
    }
    static double CpuSeconds() {
        FILETIME created, ended, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
        auto seconds = [](FILETIME f) { return (double(f.dwHighDateTime) * 4294967296.0 + f.dwLowDateTime) * 1e-7; };
        return seconds(kernel) + seconds(user);
    }
    AppState state_;
    HWND dialog_ = nullptr;
};

TEST_F(PlotMotionCost, AHoverMoveRedrawsOnlyTheMarker) {
    MoveTo(0.3);
    unsigned long most = 0, total = 0;
    const int moves = 200;
    for (int i = 0; i < moves; ++i) {
        const unsigned long before = canvasSystemCalls;
        MoveTo(0.1 + 0.7 * i / moves);
        const unsigned long calls = canvasSystemCalls - before;
        most = calls > most ? calls : most;
        total += calls;
    }
    ASSERT_TRUE(state_.view.hovering);
    std::printf("GDI calls per hover move: %.1f on average, %lu at most (%d moves)\n", double(total) / moves, most,
                moves);
    EXPECT_LE(most, 20u);
    EXPECT_GT(total, 0u);
}

// The play with the real tick: frames a second, what one frame costs, and the share of a core
// this process takes while the ball flies (Wine's server and the X server not counted).
TEST_F(PlotMotionCost, ThePlayKeepsFiftyFramesASecond) {
    SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDM_PLAY, 0), 0);
    ASSERT_TRUE(state_.view.playing);
    const double start = Now(), cpuStart = CpuSeconds();
    double longest = 0, inFrames = 0;
    unsigned long ticks = 0;
    MSG msg;
    while (state_.view.playing && Now() - start < 10) {
        if (!GetMessageA(&msg, nullptr, 0, 0)) break;
        const bool tick = msg.message == WM_TIMER && msg.hwnd == dialog_ && msg.wParam == kTickTimerId;
        const double before = Now();
        DispatchMessageA(&msg);
        if (!tick) continue;
        const double spent = Now() - before;
        longest = spent > longest ? spent : longest;
        inFrames += spent;
        ++ticks;
    }
    const double wall = Now() - start, cpu = CpuSeconds() - cpuStart;
    const double flight = state_.view.timeline.duration;
    const double fps = state_.view.frames / flight;
    std::printf("play of %.3f s (+%.1f s at rest): %lu frames, %.1f frames a second; a frame takes %.3f ms on "
                "average, %.3f ms at most; this process used %.1f %% of a core\n",
                flight, kPlayRestSeconds, state_.view.frames, fps, 1000 * inFrames / ticks, 1000 * longest,
                100 * cpu / wall);
    EXPECT_FALSE(state_.view.playing) << "the play ends by itself";
    EXPECT_GE(fps, 50);
    EXPECT_EQ(state_.view.ball.t, state_.motionCase.solution.values[ParamTime]) << "the last frame at the landing";
    char status[256] = "";
    GetDlgItemTextA(dialog_, IDC_STATUS, status, sizeof status);
    EXPECT_STREQ(status, kCaseLine) << "the plot is left as it was";
}

// The status line under the plot holds two lines of its font: whatever the size of the case,
// the case in words, the point under the pointer and the ball's point with the play's scale
// all fit them, no word wider than the line, nothing hidden behind Exit.
TEST_F(PlotMotionCost, TheStatusLineFitsItsTwoLines) {
    // Vo and parameter `second` given: the other box is unticked first, as two at most are taken.
    auto solve = [&](int second, const char* vo, const char* value) {
        for (int p = 2; p <= 7; ++p)
            if (p != second && IsDlgButtonChecked(dialog_, IDC_GIVEN_BASE + p) == BST_CHECKED)
                SendDlgItemMessageA(dialog_, IDC_GIVEN_BASE + p, BM_CLICK, 0, 0);
        if (IsDlgButtonChecked(dialog_, IDC_GIVEN_BASE + second) != BST_CHECKED)
            SendDlgItemMessageA(dialog_, IDC_GIVEN_BASE + second, BM_CLICK, 0, 0);
        SetDlgItemTextA(dialog_, IDC_VALUE_BASE + 1, vo);
        SetDlgItemTextA(dialog_, IDC_VALUE_BASE + second, value);
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDC_ACCEPT, BN_CLICKED), 0);  // a play stops
        Pump();
    };
    HWND status = GetDlgItem(dialog_, IDC_STATUS);
    auto fits = [&](const char* what) {
        char text[512] = "";
        GetWindowTextA(status, text, sizeof text);
        RECT client;
        GetClientRect(status, &client);
        HDC dc = GetDC(status);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(status, WM_GETFONT, 0, 0)));
        const UINT format = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
        RECT need = {0, 0, client.right, 0};
        DrawTextA(dc, text, -1, &need, format);
        // No figure offers the line a place to break inside it: narrower than itself, it still
        // takes one line.
        char copy[512];
        lstrcpynA(copy, text, sizeof copy);
        for (char* word = std::strtok(copy, " "); word; word = std::strtok(nullptr, " ")) {
            if (!(std::isdigit(static_cast<unsigned char>(word[0])) || (word[0] == '-' && word[1]))) continue;
            RECT alone = {0, 0, 1000, 0};
            DrawTextA(dc, word, -1, &alone, format);
            RECT narrower = {0, 0, alone.right - 1, 0};
            DrawTextA(dc, word, -1, &narrower, format);
            EXPECT_EQ(narrower.bottom, alone.bottom) << what << ": " << word << " could be broken";
        }
        SelectObject(dc, old);
        ReleaseDC(status, dc);
        std::printf("%s (%d of %ld pixels high): %s\n", what, int(need.bottom), client.bottom, text);
        EXPECT_LE(need.bottom, client.bottom) << what << ": " << text;
        EXPECT_LE(need.right, client.right) << what << ": " << text;
        return std::string(text);
    };
    const struct {
        int second;
        const char *vo, *value;
    } cases[] = {{5, "1e150", "1e299"}, {5, "3100", "979000"}, {2, "1e-19", "45"}, {2, "0.001", "45"}};
    for (int language = 0; language < kLanguageCount; ++language) for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "language " << language << ", Vo " << c.vo << ", " << c.second << " " << c.value);
        state_.languageIndex = language;
        solve(c.second, c.vo, c.value);
        ASSERT_TRUE(state_.view.caseDrawn);
        EXPECT_EQ(fits("the case").find(" 0.000 "), std::string::npos);
        MoveTo(0.45);
        fits("a point");
        // The ball at the landing, where its figures are longest, with the play's time scale.
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDM_PLAY, 0), 0);
        const Solution& s = state_.motionCase.solution;
        TrajectoryPoint landing = {};
        SolvePoint(s, landing, 5, s.values[ParamTime]);
        SetDlgItemTextA(dialog_, IDC_STATUS, PlayStatusText(landing, s, state_.view.timeline.scale, language).c_str());
        fits("the ball");
    }
    // Under conditions the case's words follow the conditions': the longest names of a world
    // and a ball, and a ball of values typed to the last digit, heavy enough for the longest
    // figures, each with two launches named.
    Conditions named = WorldConditions(3);
    PutBall(named, 4);
    Conditions typed;
    typed.g = 9.8066512345678912;
    typed.world = kWorldOther;
    PutBall(typed, 0);
    typed.mass = 1234567.8901234567;
    typed.diameter = 0.073712345678901234;
    typed.cd = 0.35123456789012345;
    typed.ball = kBallOther;
    const struct {
        const Conditions& conditions;
        int second;
        const char *vo, *value;
    } airCases[] = {{named, 5, "30", "5"}, {named, 2, "3100", "45"}, {typed, 5, "3100", "900000"}, {typed, 2, "30", "45"}};
    for (int language = 0; language < kLanguageCount; ++language)
        for (const auto& c : airCases) {
            SCOPED_TRACE(testing::Message() << "language " << language << ", g " << c.conditions.g << ", Vo " << c.vo
                                            << ", " << c.second << " " << c.value);
            state_.languageIndex = language;
            state_.conditions = c.conditions;
            solve(c.second, c.vo, c.value);
            ASSERT_TRUE(state_.view.caseDrawn);
            EXPECT_NE(fits("the case under conditions").find(": "), std::string::npos);
        }
    state_.conditions = Conditions();
}

// Save plot picture draws the screen's look at twice the size: at 96 and at 144 dots per inch
// the picture's x axis is twice as thick as the screen's.
TEST_F(PlotMotionCost, APictureAtTwiceTheSizeHasTwiceTheScreensLines) {
    const double R = state_.motionCase.solution.values[ParamReach];
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        RECT suggested;
        GetWindowRect(dialog_, &suggested);
        SendMessageA(dialog_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HWND area = GetDlgItem(dialog_, IDC_PLOT);
        HDC dc = GetDC(area);
        int screen = 0;
        const int column = WorldToPixelX(state_.plotFrame, 1.06 * R);
        for (int y = 1; y + 1 < state_.plotFrame.height; ++y) screen += GetPixel(dc, column, y) == RGB(0, 0, 0);
        ReleaseDC(area, dc);

        CanvasWindow surface = CanvasOpenSurface(CanvasSurfaceKind::Bitmap, 2 * state_.plotFrame.width,
                                                 2 * state_.plotFrame.height, 2);
        ASSERT_NE(surface, nullptr);
        PlotFrame frame{};
        DrawMainPlot(state_, frame, surface);
        CanvasPicture picture = CanvasCloseSurface(surface);
        ASSERT_NE(picture, nullptr);
        const int x = WorldToPixelX(frame, 1.06 * R);
        int twice = 0;
        for (int y = 2; y + 2 < picture->height; ++y) {
            const auto* p = static_cast<const unsigned char*>(picture->bits) + y * picture->stride + 3 * x;
            twice += p[0] == 0 && p[1] == 0 && p[2] == 0;
        }
        CanvasFreePicture(picture);
        EXPECT_EQ(twice, 2 * screen) << "screen " << screen;
    }
}

// A move to a screen of another density (Windows sends WM_DPICHANGED): the picture drawn for
// the nearest density, the icon beside the launch height at its size, and the plot's lines as
// thick as the density asks.
TEST_F(PlotMotionCost, ANewDensityBringsItsPictureIconsAndPens) {
    auto imageWidth = [&](int id, UINT message, WPARAM type) {
        auto image = reinterpret_cast<HGDIOBJ>(SendDlgItemMessageA(dialog_, id, message, type, 0));
        if (message == STM_GETICON) {
            ICONINFO icon = {};
            if (!GetIconInfo(reinterpret_cast<HICON>(image), &icon)) return 0L;
            image = icon.hbmColor ? icon.hbmColor : icon.hbmMask;
            BITMAP info = {};
            GetObjectA(image, sizeof info, &info);
            DeleteObject(icon.hbmColor);
            DeleteObject(icon.hbmMask);
            return info.bmWidth;
        }
        BITMAP info = {};
        GetObjectA(image, sizeof info, &info);
        return info.bmWidth;
    };
    // The x axis's thickness, in a column where nothing else is drawn (past the landing).
    auto axisThickness = [&] {
        RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HWND area = GetDlgItem(dialog_, IDC_PLOT);
        HDC dc = GetDC(area);
        const int column = WorldToPixelX(state_.plotFrame, 1.06 * state_.motionCase.solution.values[ParamReach]);
        int black = 0;
        for (int y = 1; y + 1 < state_.plotFrame.height; ++y) black += GetPixel(dc, column, y) == RGB(0, 0, 0);
        ReleaseDC(area, dc);
        return black;
    };
    EXPECT_EQ(imageWidth(IDC_PICTURE, STM_GETIMAGE, IMAGE_BITMAP), 190);
    EXPECT_EQ(axisThickness(), 1);
    const struct {
        int dpi;
        long picture, icon;
        int axis;
    } cases[] = {{144, 285, 48, 2}, {192, 380, 64, 2}, {120, 238, 40, 1}, {168, 332, 56, 2}, {96, 190, 32, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        RECT suggested;
        GetWindowRect(dialog_, &suggested);
        SendMessageA(dialog_, WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi), reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(state_.view.dpi, c.dpi);
        EXPECT_EQ(imageWidth(IDC_PICTURE, STM_GETIMAGE, IMAGE_BITMAP), c.picture);
        EXPECT_EQ(imageWidth(IDC_LAUNCH_ICON, STM_GETICON, 0), c.icon);
        EXPECT_EQ(axisThickness(), c.axis);
    }
}

}  // namespace
