#include "platform/deferred_dlls_win32.h"

#include <shellapi.h>

namespace {

// The named function of a system DLL, loaded once; null when either cannot be found.
template <typename Function>
Function Resolve(const char* dll, const char* name) {
    HMODULE module = LoadLibraryA(dll);
    if (!module) return nullptr;
    // Through void (*)(void), the one function pointer type that converts without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

BOOL DeferredGetSaveFileNameA(OPENFILENAMEA* request) {
    static auto function = Resolve<decltype(&GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
    return function ? function(request) : FALSE;
}

BOOL DeferredGetOpenFileNameA(OPENFILENAMEA* request) {
    static auto function = Resolve<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    return function ? function(request) : FALSE;
}

DWORD DeferredCommDlgExtendedError() {
    static auto function = Resolve<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
    return function ? function() : 0;
}

HINSTANCE DeferredShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                                const char* directory, int show) {
    static auto function = Resolve<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (!function) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return function(owner, verb, file, parameters, directory, show);
}
