#include <windows.h>

#include "app/main_dialog_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunOvanta(instance); }
