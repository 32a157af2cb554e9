#include "tools/tools_menu_win32.h"

#include "tools/tool_list.h"
#include "tools/tools_menu.h"

HMENU menuBar;
HMENU toolsPopup;
HWND toolsMenuWindow;

void InstallToolsMenu(HWND window, const char* menuName, int position) {
    // The dialog template names this menu, so the dialog was created with it and sized for it:
    // taking that copy spares a second load and a frame change of the visible window.
    menuBar = GetMenu(window);
    if (!menuBar) {
        menuBar = LoadMenuA(GetModuleHandleA(nullptr), menuName);
        SetMenu(window, menuBar);
    }
    toolsMenuWindow = window;
    int count = GetMenuItemCount(menuBar);
    if (count < position) position = count;
    toolsPopup = GetSubMenu(menuBar, position - 1);
    if (LoadToolList()) RebuildToolsMenu(toolsPopup, ToolCommandBase);
}

void RebuildToolsMenu(HMENU popup, unsigned base) {
    if (!popup) return;
    for (int item = GetMenuItemCount(popup) - 1; item >= 0; --item) {
        if (GetMenuItemID(popup, item) <= base) break;  // the separator (0) or "Tools edition "
        DeleteMenu(popup, item, MF_BYPOSITION);
    }
    for (int p = 1; p <= toolList.toolCount; ++p)
        AppendMenuA(popup, MF_STRING, base + p, ToolAt(p).title.c_str());
}

void UpdateToolsMenu() { RebuildToolsMenu(toolsPopup, ToolCommandBase); }
