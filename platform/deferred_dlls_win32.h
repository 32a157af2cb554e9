// The common file dialogs (comdlg32), the shell's ShellExecute (shell32) and COM (ole32, for
// Windows' imaging components), loaded the first time a command needs them. Imported normally, Windows (and Wine) would load both DLLs and
// those they depend on before the dialog shows, which costs about as much as all of the
// program's own start-up. Each function fails as its original does when its DLL cannot be had.
#pragma once

#include <windows.h>

#include <commdlg.h>
#include <objbase.h>

BOOL DeferredGetSaveFileNameW(OPENFILENAMEW* request);
BOOL DeferredGetOpenFileNameW(OPENFILENAMEW* request);
DWORD DeferredCommDlgExtendedError();
// Returns a value of 32 or less (SE_ERR_DLLNOTFOUND) when shell32 cannot be loaded.
HINSTANCE DeferredShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                                const wchar_t* directory, int show);

// COM for this thread; each successful call (S_OK or S_FALSE) is paired with DeferredCoUninitialize.
HRESULT DeferredCoInitializeEx(void* reserved, DWORD mode);
void DeferredCoUninitialize();
HRESULT DeferredCoCreateInstance(REFCLSID type, IUnknown* outer, DWORD context, REFIID wanted, void** object);
// A stream in movable memory that grows as it is written, and that memory.
HRESULT DeferredCreateStreamOnHGlobal(HGLOBAL memory, BOOL freeOnRelease, IStream** stream);
HRESULT DeferredGetHGlobalFromStream(IStream* stream, HGLOBAL* memory);
