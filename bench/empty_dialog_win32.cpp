// The yardstick for start-up time and size: an empty Win32 dialog program, built exactly as
// Ovanta.exe is (same compiler, flags, static runtime, manifest).
#include <windows.h>

namespace {
INT_PTR CALLBACK EmptyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
    return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(DialogBoxParamA(instance, "DlgEmpty", nullptr, EmptyProc, 0));
}
