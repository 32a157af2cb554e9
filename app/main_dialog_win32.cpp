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

// Ctrl+C copies the case, except in an edit with a selection, which copies its text as ever.
// A dialog box's own message loop hands every message to the thread's message-filter hooks
// before the dialog manager sees it: the place for a key of the whole dialog.
HWND copyKeyDialog;
HHOOK copyKeyHook;

bool IsEditWithSelection(HWND window) {
    char name[8] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, "Edit") != 0) return false;
    DWORD start = 0, end = 0;
    SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

bool IsCopyKey(const MSG& message) {
    return message.message == WM_KEYDOWN && message.wParam == 'C' && GetKeyState(VK_CONTROL) < 0 &&
           GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0;
}

LRESULT CALLBACK CopyKeyFilter(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && copyKeyDialog && IsCopyKey(*message) &&
        (message->hwnd == copyKeyDialog || IsChild(copyKeyDialog, message->hwnd)) &&
        !IsEditWithSelection(message->hwnd)) {
        // Posted, as a menu command arrives: the copy may show a message box.
        PostMessageA(copyKeyDialog, WM_COMMAND, MAKEWPARAM(IDM_COPY_CASE, 1), 0);
        return TRUE;
    }
    return CallNextHookEx(copyKeyHook, code, wParam, lParam);
}

void WatchCopyKey(HWND dialog) {
    copyKeyDialog = dialog;
    if (!copyKeyHook) copyKeyHook = SetWindowsHookExA(WH_MSGFILTER, CopyKeyFilter, nullptr, GetCurrentThreadId());
}

void StopWatchingCopyKey(HWND dialog) {
    if (dialog != copyKeyDialog) return;
    if (copyKeyHook) UnhookWindowsHookEx(copyKeyHook);
    copyKeyHook = nullptr;
    copyKeyDialog = nullptr;
}

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
    WatchCopyKey(dialog);
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
        case WM_DESTROY: StopWatchingCopyKey(dialog); break;
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
