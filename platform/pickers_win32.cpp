#include <windows.h>

#include <commdlg.h>

#include <cstring>
#include <string>

#include "platform/deferred_dlls_win32.h"
#include "platform/dialog_win32.h"
#include "platform/pickers.h"

namespace {

const char kAllFiles[] = "All files (*.*)\0*.*\0";  // the literal adds the final zero

OPENFILENAMEA Request(DialogHandle owner, char* name, DWORD size, DWORD flags) {
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = WindowOf(owner);  // disabled while the user chooses
    request.lpstrFilter = kAllFiles;
    request.lpstrFile = name;
    request.nMaxFile = size;
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | flags;
    return request;
}

}  // namespace

bool ChooseSaveFile(DialogHandle owner, std::string& path) {
    char buffer[MAX_PATH] = "";
    path.copy(buffer, sizeof buffer - 1);
    // No default extension: a name typed without one is kept as typed.
    OPENFILENAMEA dialog = Request(owner, buffer, sizeof buffer, 0);
    bool chosen = DeferredGetSaveFileNameA(&dialog) != 0;
    path = buffer;
    return chosen;
}

bool ChooseOpenFile(DialogHandle owner, std::string& path) {
    char name[260] = "";
    std::string start = path.substr(0, 255);
    std::memcpy(name, start.c_str(), start.size() + 1);
    OPENFILENAMEA request = Request(owner, name, sizeof name, OFN_FILEMUSTEXIST);
    request.lpstrDefExt = "*";
    if (!DeferredGetOpenFileNameA(&request)) {
        // A remembered path that is no longer valid would keep the dialog from opening at all.
        if (DeferredCommDlgExtendedError() != FNERR_INVALIDFILENAME) return false;
        name[0] = '\0';
        if (!DeferredGetOpenFileNameA(&request)) return false;
    }
    path = std::string(name).substr(0, 255);
    return true;
}
