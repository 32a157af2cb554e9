// Win32 side of the Tools menu.
#pragma once

#include <windows.h>

extern HMENU menuBar;     // the dialog's menu bar, loaded by InstallToolsMenu
extern HMENU toolsPopup;  // the Tools popup of menuBar

// Loads the menu resource `menuName`, sets it on `window` and finds the Tools popup at the
// 1-based `position` (the last popup when the bar has fewer).
void InstallToolsMenu(HWND window, const char* menuName, int position);
