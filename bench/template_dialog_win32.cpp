// The second yardstick: Ovanta's own dialog template and resources shown by a procedure that
// does nothing, so that the difference to Ovanta.exe is the program's own start-up work.
#include <windows.h>

namespace {
INT_PTR CALLBACK TemplateProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
    return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(DialogBoxParamA(instance, "DlgMain", nullptr, TemplateProc, 0));
}
