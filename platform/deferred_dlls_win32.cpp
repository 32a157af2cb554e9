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

BOOL DeferredGetSaveFileNameW(OPENFILENAMEW* request) {
    static auto function = Resolve<decltype(&GetSaveFileNameW)>("comdlg32.dll", "GetSaveFileNameW");
    return function ? function(request) : FALSE;
}

BOOL DeferredGetOpenFileNameW(OPENFILENAMEW* request) {
    static auto function = Resolve<decltype(&GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW");
    return function ? function(request) : FALSE;
}

DWORD DeferredCommDlgExtendedError() {
    static auto function = Resolve<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
    return function ? function() : 0;
}

HINSTANCE DeferredShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                                const wchar_t* directory, int show) {
    static auto function = Resolve<decltype(&ShellExecuteW)>("shell32.dll", "ShellExecuteW");
    if (!function) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return function(owner, verb, file, parameters, directory, show);
}

namespace {

// The failure a COM function reports when ole32 cannot be had.
constexpr HRESULT kNoOle = HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);

}  // namespace

HRESULT DeferredCoInitializeEx(void* reserved, DWORD mode) {
    static auto function = Resolve<decltype(&CoInitializeEx)>("ole32.dll", "CoInitializeEx");
    return function ? function(reserved, mode) : kNoOle;
}

void DeferredCoUninitialize() {
    static auto function = Resolve<decltype(&CoUninitialize)>("ole32.dll", "CoUninitialize");
    if (function) function();
}

HRESULT DeferredCoCreateInstance(REFCLSID type, IUnknown* outer, DWORD context, REFIID wanted, void** object) {
    static auto function = Resolve<decltype(&CoCreateInstance)>("ole32.dll", "CoCreateInstance");
    return function ? function(type, outer, context, wanted, object) : kNoOle;
}

HRESULT DeferredCreateStreamOnHGlobal(HGLOBAL memory, BOOL freeOnRelease, IStream** stream) {
    static auto function = Resolve<decltype(&CreateStreamOnHGlobal)>("ole32.dll", "CreateStreamOnHGlobal");
    return function ? function(memory, freeOnRelease, stream) : kNoOle;
}

HRESULT DeferredGetHGlobalFromStream(IStream* stream, HGLOBAL* memory) {
    static auto function = Resolve<decltype(&GetHGlobalFromStream)>("ole32.dll", "GetHGlobalFromStream");
    return function ? function(stream, memory) : kNoOle;
}
