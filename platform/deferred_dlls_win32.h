// The common file dialogs (comdlg32) and the shell's ShellExecute (shell32), loaded the first
// time a command needs them. Imported normally, Windows (and Wine) would load both DLLs and
// those they depend on before the dialog shows, which costs about as much as all of the
// program's own start-up. Each function fails as its original does when its DLL cannot be had.
#pragma once

#include <windows.h>

#include <commdlg.h>

BOOL DeferredGetSaveFileNameA(OPENFILENAMEA* request);
BOOL DeferredGetOpenFileNameA(OPENFILENAMEA* request);
DWORD DeferredCommDlgExtendedError();
// Returns a value of 32 or less (SE_ERR_DLLNOTFOUND) when shell32 cannot be loaded.
HINSTANCE DeferredShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                                const char* directory, int show);
