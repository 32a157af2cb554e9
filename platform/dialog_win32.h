// Win32 side of the dialog-field seam.
#pragma once

#include <windows.h>

// The window that owns message boxes while no window of the program is active.
void SetMessageFallbackOwner(HWND window);
