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

// The edit whose whole text FocusField selected last, while that selection is still the
// program's own (ForgetProgramSelection was not called since); null when there is none.
HWND ProgramSelectedEdit();
// The user acted in that edit, or left it: its selection is no longer the program's.
void ForgetProgramSelection();
