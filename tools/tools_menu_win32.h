// Win32 side of the Tools menu.
#pragma once

#include <windows.h>

extern HMENU menuBar;     // the dialog's menu bar, loaded by InstallToolsMenu
extern HMENU toolsPopup;  // the Tools popup of menuBar
extern HWND toolsMenuWindow;  // the window InstallToolsMenu set the menu on; owns the Tools dialog

// Loads the menu resource `menuName`, sets it on `window`, finds the Tools popup at the 1-based
// `position` (the last popup when the bar has fewer), loads Tools.rel and appends the tools.
void InstallToolsMenu(HWND window, const char* menuName, int position);

// Deletes the items of `popup` after its fixed ones (from the end, while their id is above
// `base`), then appends one item per tool with id base + position and the title as its text.
void RebuildToolsMenu(HMENU popup, unsigned base);
