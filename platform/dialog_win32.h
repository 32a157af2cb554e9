// Win32 side of the dialog seam.
#pragma once

#include <windows.h>

#include "platform/dialog.h"

inline HWND WindowOf(DialogHandle dialog) { return reinterpret_cast<HWND>(dialog); }
inline DialogHandle DialogOf(HWND window) { return reinterpret_cast<DialogHandle>(window); }

// The notification code of a WM_COMMAND as portable code sees it.
ControlEvent EventOf(WORD code);

// The window that owns message boxes while no window of the program is active.
void SetMessageFallbackOwner(HWND window);
