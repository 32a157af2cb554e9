#include "tools/tools_menu_win32.h"

HMENU menuBar;
HMENU toolsPopup;

void InstallToolsMenu(HWND window, const char* menuName, int position) {
    // The dialog template names this menu, so the dialog was created with it and sized for it:
    // taking that copy spares a second load and a frame change of the visible window.
    menuBar = GetMenu(window);
    if (!menuBar) {
        menuBar = LoadMenuA(GetModuleHandleA(nullptr), menuName);
        SetMenu(window, menuBar);
    }
    int count = GetMenuItemCount(menuBar);
    if (count < position) position = count;
    toolsPopup = GetSubMenu(menuBar, position - 1);
}
