#include "platform/timer_win32.h"

#include "platform/dialog_win32.h"

void StartTicks(DialogHandle dialog, int milliseconds) {
    SetTimer(WindowOf(dialog), kTickTimerId, static_cast<UINT>(milliseconds), nullptr);
}

void StopTicks(DialogHandle dialog) { KillTimer(WindowOf(dialog), kTickTimerId); }

// The performance counter's frequency is fixed at boot; asking for it every time costs less
// than a word of mutable state.
double ClockSeconds() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}
