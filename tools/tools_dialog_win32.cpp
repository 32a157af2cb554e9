#include <windows.h>

#include <commdlg.h>

#include <cstring>

#include "tools/tools_dialog.h"
#include "tools/tools_menu_win32.h"
#include "ui/deferred_dlls_win32.h"

namespace {

INT_PTR CALLBACK ToolsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            // What the user sees in an edit is what is read: no more characters than that.
            for (int id = IdToolsTitle; id <= IdToolsParameters; ++id)
                SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kMaxFieldText, 0);
            InitToolsDialog(dialog);
            break;
        case WM_COMMAND: ToolsDialogCommand(dialog, LOWORD(wParam), HIWORD(wParam)); break;
        default: break;
    }
    return FALSE;  // WM_INITDIALOG too: no control gets the focus from the system
}

}  // namespace

int OpenToolsEditionDialog() {
    // Owned by the main dialog, which is disabled meanwhile: no second Tools dialog and no tool
    // command can run on the list while this one edits it.
    return static_cast<int>(
        DialogBoxParamA(GetModuleHandleA(nullptr), "DlgTools", toolsMenuWindow, ToolsDialogProc, 0));
}

bool BrowseForFile(std::string& path) {
    char name[260] = "";
    std::string start = path.substr(0, 255);
    std::memcpy(name, start.c_str(), start.size() + 1);
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetActiveWindow();
    request.lpstrFilter = "All files (*.*)\0*.*\0";
    request.lpstrFile = name;
    request.nMaxFile = sizeof name;
    request.lpstrDefExt = "*";
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    if (!DeferredGetOpenFileNameA(&request)) {
        // A remembered path that is no longer valid would keep the dialog from opening at all.
        if (DeferredCommDlgExtendedError() != FNERR_INVALIDFILENAME) return false;
        name[0] = '\0';
        if (!DeferredGetOpenFileNameA(&request)) return false;
    }
    path = std::string(name).substr(0, 255);
    return true;
}
