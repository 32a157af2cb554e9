#include "app/main_dialog_win32.h"

#include <windowsx.h>

#include "app/app_state.h"
#include "app/dialog_art_win32.h"
#include "app/language.h"
#include "app/main_dialog.h"
#include "app/plot_view.h"
#include "app/point_panel.h"
#include "platform/canvas_win32.h"
#include "platform/dialog_win32.h"
#include "platform/system.h"
#include "platform/timer_win32.h"
#include "resources/ids.h"

namespace {

// The modal loop of the main dialog passes each message through this filter before the dialog
// manager sees it: Ctrl+C and the plot's keys work wherever the focus is, and any key or click
// stops the play. The program shows one main dialog at a time.
HWND filteredDialog;
HHOOK messageFilter;

AppState* StateOf(HWND dialog) { return reinterpret_cast<AppState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }


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

PlotKey KeyOf(const MSG& message) {
    switch (message.wParam) {
        case VK_F5: return PlotKey::Play;
        case VK_ESCAPE: return PlotKey::Escape;
        case VK_APPS: return PlotKey::Menu;
        case VK_F10: return GetKeyState(VK_SHIFT) < 0 ? PlotKey::Menu : PlotKey::Other;
        default: return PlotKey::Other;
    }
}

// An edit with text the user selected keeps Ctrl+C for itself. The selection the program
// makes when it puts the focus in a field (so that typing replaces the old value) is not the
// user's: Ctrl+C there copies the case, as it does with nothing selected.
bool IsEditWithSelection(HWND window) {
    char name[8] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, "Edit") != 0 || window == ProgramSelectedEdit()) return false;
    DWORD start = 0, end = 0;
    SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

bool IsCopyKey(const MSG& message) {
    return message.message == WM_KEYDOWN && message.wParam == 'C' && GetKeyState(VK_CONTROL) < 0 &&
           GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0;
}

// Once the focus has gone to another control, or the user has typed, clicked or moved the
// caret in the edit the program selected (a modifier alone does nothing), its selection is
// the user's.
void NoteUserInput(const MSG& message) {
    HWND selected = ProgramSelectedEdit();
    if (!selected) return;
    // No focus at all: the dialog is inactive, and gives the field its focus back as it was.
    HWND focus = GetFocus();
    if (focus && focus != selected) {
        ForgetProgramSelection();
        return;
    }
    if (message.hwnd != selected) return;
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (message.wParam == VK_CONTROL || message.wParam == VK_SHIFT || message.wParam == VK_MENU) return;
            ForgetProgramSelection();
            return;
        case WM_CHAR:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN: ForgetProgramSelection(); return;
        default: return;
    }
}

// True when the message must not reach the dialog.
bool FilterMessage(const MSG& message) {
    HWND dialog = filteredDialog;
    if (!dialog || (message.hwnd != dialog && !IsChild(dialog, message.hwnd))) return false;
    AppState* state = StateOf(dialog);
    if (!state) return false;
    // Ctrl+C copies the case, except in an edit with a selection, which copies its text as ever.
    // Posted, as a menu command arrives: the copy may show a message box.
    if (IsCopyKey(message) && !IsEditWithSelection(message.hwnd)) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDM_COPY_CASE, 1), 0);
        return true;
    }
    const int key = static_cast<int>(message.wParam);
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (PlotKeyDown(DialogOf(dialog), *state, KeyOf(message), (message.lParam & (1L << 30)) != 0, key))
                return true;
            NoteUserInput(message);
            return false;
        case WM_KEYUP:
        case WM_SYSKEYUP: return PlotKeyUp(*state, key);
        case WM_CONTEXTMENU:
            // A menu asked from the keyboard (at -1, -1): Wine posts one to the focused control
            // when the menu key is let go, after the plot's menu has answered the key.
            return message.lParam == static_cast<LPARAM>(-1) || (GET_X_LPARAM(message.lParam) == -1 &&
                                                                  GET_Y_LPARAM(message.lParam) == -1);
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
            NoteUserInput(message);
            // A click on the dialog itself (the drawing area is transparent to the pointer)
            // does nothing but stop the play; one on a control also does what it always does.
            return PlotStopByUser(DialogOf(dialog), *state) && message.hwnd == dialog &&
                   message.message != WM_NCLBUTTONDOWN && message.message != WM_NCRBUTTONDOWN;
        default: NoteUserInput(message); return false;
    }
}

LRESULT CALLBACK FilterDialogMessages(int code, WPARAM wParam, LPARAM lParam) {
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && FilterMessage(message)) return TRUE;
    // The plot's menu runs a loop of its own, which takes the release of the key that opened
    // it when the key is let go while the menu is open: that key is then no longer held.
    if (code == MSGF_MENU && (message.message == WM_KEYUP || message.message == WM_SYSKEYUP) && filteredDialog)
        if (AppState* state = StateOf(filteredDialog)) PlotKeyUp(*state, static_cast<int>(message.wParam));
    return CallNextHookEx(messageFilter, code, wParam, lParam);
}

void InitDialog(HWND dialog, AppState& state) {
    InstallToolsMenu(DialogOf(dialog), state.tools, state.languageIndex);
    const int dpi = WindowDpi(dialog);
    PlotUseDpi(state, dpi);
    UseArtForDpi(dialog, dpi, true);
    ShowWindow(dialog, SW_SHOW);
    SetMessageFallbackOwner(dialog);
    InitMainDialog(DialogOf(dialog), state);
    if (!messageFilter) {
        filteredDialog = dialog;
        messageFilter = SetWindowsHookExA(WH_MSGFILTER, FilterDialogMessages, nullptr, GetCurrentThreadId());
    }
}

void EndDialogView(HWND dialog, AppState& state) {
    ClosePlotView(DialogOf(dialog), state);
    if (filteredDialog != dialog) return;
    if (messageFilter) UnhookWindowsHookEx(messageFilter);
    messageFilter = nullptr;
    filteredDialog = nullptr;
}

// The pointer's position, from the dialog's client area to the drawing area's. The area is a
// static control without SS_NOTIFY: it lets the pointer through, so the dialog gets its messages.
POINT AreaPoint(HWND dialog, const AppState& state, LPARAM lParam) {
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MapWindowPoints(dialog, WindowOf(state.plotWindow), &at, 1);
    return at;
}

void PointerMoved(HWND dialog, AppState& state, LPARAM lParam) {
    const POINT at = AreaPoint(dialog, state, lParam);
    PlotPointerMoved(DialogOf(dialog), state, at.x, at.y);
    if (!state.view.hovering) return;
    // Told when the pointer leaves the dialog or goes onto a control, where no move reaches it.
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, dialog, 0};
    TrackMouseEvent(&track);
}

// Right button or keyboard: the plot's menu when the pointer is on the drawing area, or at the
// area's middle from the keyboard (x and y of -1). Elsewhere the dialog has no menu.
bool ContextMenu(HWND dialog, AppState& state, LPARAM lParam) {
    if (GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1) {
        PlotMenu(DialogOf(dialog), state, -1, -1);
        return true;
    }
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    HWND area = WindowOf(state.plotWindow);
    RECT client;
    if (!area || !GetClientRect(area, &client)) return false;
    ScreenToClient(area, &at);
    if (!PtInRect(&client, at)) return false;
    PlotMenu(DialogOf(dialog), state, at.x, at.y);
    return true;
}

// Moved to a screen of another density: the plot's pens, font and figures and the dialog's
// picture and icons follow. The dialog manager scales the dialog itself (per-monitor v2).
void DpiChanged(HWND dialog, AppState& state, int dpi) {
    PlotUseDpi(state, dpi);
    UseArtForDpi(dialog, dpi, false);
    InvalidateRect(dialog, nullptr, TRUE);
}

// Messages of the pointer, the tick and the screen; true when handled.
bool PlotMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, AppState& state) {
    switch (message) {
        case WM_MOUSEMOVE: PointerMoved(dialog, state, lParam); return true;
        case WM_MOUSELEAVE: PlotPointerLeft(DialogOf(dialog), state); return true;
        case WM_LBUTTONDOWN: {
            const POINT at = AreaPoint(dialog, state, lParam);
            PlotClicked(DialogOf(dialog), state, at.x, at.y);
            return true;
        }
        case WM_LBUTTONDBLCLK: {
            const POINT at = AreaPoint(dialog, state, lParam);
            PlotDoubleClicked(DialogOf(dialog), state, at.x, at.y);
            return true;
        }
        case WM_CONTEXTMENU: return ContextMenu(dialog, state, lParam);
        case WM_TIMER:
            if (wParam == kTickTimerId) PlayTick(DialogOf(dialog), state);
            return wParam == kTickTimerId;
        case WM_DPICHANGED: DpiChanged(dialog, state, LOWORD(wParam)); return false;
        default: return false;
    }
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
        case WM_DESTROY: EndDialogView(dialog, *state); break;
        default: return PlotMessage(dialog, message, wParam, lParam, *state);
    }
    return FALSE;
}

int RunOvanta(HINSTANCE instance) {
    CreateCanvasPens();
    AppState state;
    state.languageIndex = StartLanguage(RememberedLanguage(), UserDisplayLanguage());
    // The start folder's full path: Tools.rel is read and saved there, and the current directory
    // is brought back to it after every file dialog, wherever the user browsed.
    state.startDirectory = CurrentDirectory();
    state.tools.folder = state.startDirectory;
    return static_cast<int>(
        DialogBoxParamA(instance, "DlgMain", nullptr, MainDialogProc, reinterpret_cast<LPARAM>(&state)));
}
