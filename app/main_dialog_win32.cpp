#include "app/main_dialog_win32.h"

#include "app/main_dialog.h"
#include "physics/motion.h"
#include "plot/trajectory.h"
#include "resources/ids.h"
#include "tools/system.h"
#include "tools/tools_menu_win32.h"
#include "ui/fields_win32.h"

COLORREF blueColour;
COLORREF redColour;
HPEN bluePen;
HPEN redDotPen;
HWND plotWindow;
HMENU fileMenu;

namespace {

// "Save case" follows the solved flag; the menu is touched only when the flag changes.
void UpdateSaveCaseItem() {
    static HMENU updatedMenu;
    static bool updatedState;
    if (!fileMenu) return;
    bool state = motionCase.solved;
    if (updatedMenu == fileMenu && updatedState == state) return;
    EnableMenuItem(fileMenu, IDM_SAVE_CASE, MF_BYCOMMAND | (state ? MF_ENABLED : MF_GRAYED));
    updatedMenu = fileMenu;
    updatedState = state;
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
void PaintDialog(HWND dialog) {
    PAINTSTRUCT paint;
    BeginPaint(dialog, &paint);
    EndPaint(dialog, &paint);
    if (!plotWindow) return;
    RECT area, overlap;
    GetWindowRect(plotWindow, &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    const bool areaTouched = IntersectRect(&overlap, &paint.rcPaint, &area) ||
                             GetUpdateRect(plotWindow, nullptr, FALSE);
    UpdateWindow(plotWindow);
    if (areaTouched) RedrawPlot();
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    UpdateSaveCaseItem();
    switch (message) {
        case WM_INITDIALOG:
            // What the user sees in an edit is what is read: no more characters than that.
            for (int id = IDC_VALUE_BASE + 1; id <= IDC_LAUNCH_HEIGHT; ++id)
                SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kMaxFieldText, 0);
            for (int id = IDC_POINT_BASE + 1; id <= IDC_POINT_BASE + 5; ++id)
                SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kMaxFieldText, 0);
            fileMenu = nullptr;
            InstallToolsMenu(dialog, "MainMenu", 2);
            SetDialogIcon(dialog);
            ShowWindow(dialog, SW_SHOW);
            SetMessageFallbackOwner(dialog);
            InitMainDialog(dialog);
            plotWindow = GetDlgItem(dialog, IDC_PLOT);
            fileMenu = GetSubMenu(menuBar, 0);
            UpdateSaveCaseItem();
            break;
        case WM_PAINT:
            PaintDialog(dialog);
            break;
        case WM_COMMAND:
            MainDialogCommand(dialog, LOWORD(wParam), HIWORD(wParam));
            break;
        default:
            break;
    }
    return FALSE;
}

int RunOvanta(HINSTANCE instance) {
    blueColour = RGB(0, 100, 200);
    redColour = RGB(250, 0, 0);
    bluePen = CreatePen(PS_SOLID, 1, blueColour);
    redDotPen = CreatePen(PS_DOT, 1, redColour);
    LanguageIndex = 1;
    startDirectory = CurrentDirectory();
    return static_cast<int>(DialogBoxParamA(instance, "DlgMain", nullptr, MainDialogProc, 0));
}
