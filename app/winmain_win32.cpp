#include <windows.h>

#include <cstdlib>
#include <exception>
#include <new>

#include "app/main_dialog_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunOvanta(instance); }

// The C++ runtime's default handler for an unexpected exception prints the demangled type name
// to a console this GUI program does not have; replacing it keeps the demangler (some 45 KB)
// out of the program. An exception that escapes still ends the program at once.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

// The library's helpers that throw for the standard containers: their own definitions build
// std::logic_error and its kin, which pull in a second, reference-counted std::string and its
// locale code (some 50 KB). The program catches none of these, so an escaping exception and
// std::terminate end it alike; out of memory still throws std::bad_alloc as before.
namespace std {
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_length_error(const char*) { throw bad_alloc(); }  // a size beyond what memory holds
void __throw_logic_error(const char*) { terminate(); }
void __throw_out_of_range_fmt(const char*, ...) { terminate(); }
}  // namespace std
