#include <windows.h>

#include <cstdlib>

#include "app/main_dialog_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunOvanta(instance); }

// The C++ runtime's default handler for an unexpected exception prints the demangled type name
// to a console this GUI program does not have; replacing it keeps the demangler (some 45 KB)
// out of the program. An exception that escapes still ends the program at once.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
