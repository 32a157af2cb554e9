#include "tools/tools_menu_win32.h"

HMENU menuBar;
HMENU toolsPopup;

void InstallToolsMenu(HWND window, const char* menuName, int position) {
    HMENU previous = GetMenu(window);
    menuBar = LoadMenuA(GetModuleHandleA(nullptr), menuName);
    SetMenu(window, menuBar);
    // The template names the same menu so that the dialog is sized with its menu bar; that
    // first copy is replaced here.
    if (previous && previous != menuBar) DestroyMenu(previous);
    int count = GetMenuItemCount(menuBar);
    if (count < position) position = count;
    toolsPopup = GetSubMenu(menuBar, position - 1);
}
