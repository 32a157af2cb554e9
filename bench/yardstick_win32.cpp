// The yardsticks for start-up time and size, built exactly as Ovanta.exe is (same compiler,
// flags, static runtime, manifest): a procedure that does nothing shows the dialog template
// YARDSTICK_TEMPLATE, either an empty one or Ovanta's own, so that the difference to Ovanta.exe
// is the cost of the template's controls or of the program's own start-up work.
#include <windows.h>

namespace {
INT_PTR CALLBACK YardstickProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
    return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(DialogBoxParamA(instance, YARDSTICK_TEMPLATE, nullptr, YardstickProc, 0));
}
