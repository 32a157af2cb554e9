#include "app/main_dialog_win32.h"

#include "app/app_state.h"
#include "app/main_dialog.h"
#include "app/point_panel.h"
#include "platform/canvas_win32.h"
#include "platform/dialog_win32.h"
#include "platform/system.h"
#include "resources/ids.h"

namespace {

AppState* StateOf(HWND dialog) { return reinterpret_cast<AppState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

void SetDialogIcon(HWND dialog) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto big = static_cast<HICON>(LoadImageA(instance, "Ic0", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                             GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    auto small = static_cast<HICON>(LoadImageA(instance, "Ic0", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

// The dialog's background is painted first, over the drawing area too (a dialog does not clip
// its children), and its update region validated, so no second paint message follows. The
// area's frame control then paints itself, and only after both is the plot drawn on top, where
// nothing that paints later erases it. A paint that does not reach the area leaves the plot
// alone rather than clearing and redrawing it.
void PaintDialog(HWND dialog, AppState& state) {
    PAINTSTRUCT paint;
    BeginPaint(dialog, &paint);
    EndPaint(dialog, &paint);
    HWND plot = WindowOf(state.plotWindow);
    if (!plot) return;
    RECT area, overlap;
    GetWindowRect(plot, &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    const bool areaTouched = IntersectRect(&overlap, &paint.rcPaint, &area) || GetUpdateRect(plot, nullptr, FALSE);
    UpdateWindow(plot);
    if (areaTouched) RedrawMainPlot(state);
}

void InitDialog(HWND dialog, AppState& state) {
    InstallToolsMenu(DialogOf(dialog), state.tools);
    SetDialogIcon(dialog);
    ShowWindow(dialog, SW_SHOW);
    SetMessageFallbackOwner(dialog);
    InitMainDialog(DialogOf(dialog), state);
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    AppState* state = StateOf(dialog);
    if (!state) return FALSE;  // the messages that come before WM_INITDIALOG
    UpdateCaseCommands(DialogOf(dialog), *state);
    switch (message) {
        case WM_INITDIALOG: InitDialog(dialog, *state); break;
        case WM_PAINT: PaintDialog(dialog, *state); break;
        case WM_COMMAND:
            MainDialogCommand(DialogOf(dialog), LOWORD(wParam), EventOf(HIWORD(wParam)), *state);
            break;
        default: break;
    }
    return FALSE;
}

int RunOvanta(HINSTANCE instance) {
    CreateCanvasPens();
    AppState state;
    state.languageIndex = 1;
    state.startDirectory = CurrentDirectory();
    return static_cast<int>(
        DialogBoxParamA(instance, "DlgMain", nullptr, MainDialogProc, reinterpret_cast<LPARAM>(&state)));
}
