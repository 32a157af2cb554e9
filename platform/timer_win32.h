// Win32 side of the timer seam.
#pragma once

#include <windows.h>

#include "platform/timer.h"

// The id of the WM_TIMER that StartTicks sets on the dialog.
constexpr UINT_PTR kTickTimerId = 1;
