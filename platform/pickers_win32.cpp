#include <windows.h>

#include <commdlg.h>

#include <cstring>
#include <string>

#include "platform/deferred_dlls_win32.h"
#include "platform/dialog_win32.h"
#include "platform/pickers.h"

namespace {

// The file types of a dialog: each type's name in the program's language, then its pattern,
// each followed by a zero; a second zero (the string's own) ends the list.
std::string Filter(std::string_view firstName, const char* firstPattern, std::string_view secondName = {},
                   const char* secondPattern = nullptr) {
    std::string filter(firstName);
    filter.append(1, '\0').append(firstPattern).append(1, '\0');
    if (secondPattern) filter.append(secondName).append(1, '\0').append(secondPattern).append(1, '\0');
    return filter;
}

std::string Title(std::string_view title) { return std::string(title.substr(0, 255)); }

OPENFILENAMEA Request(DialogHandle owner, char* name, DWORD size, DWORD flags) {
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = WindowOf(owner);  // disabled while the user chooses
    request.lpstrFile = name;
    request.nMaxFile = size;
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | flags;
    return request;
}

}  // namespace

bool ChooseSaveFile(DialogHandle owner, std::string& path, const FileDialogWords& words) {
    char buffer[MAX_PATH] = "";
    path.copy(buffer, sizeof buffer - 1);
    // No default extension: a name typed without one is kept as typed.
    OPENFILENAMEA dialog = Request(owner, buffer, sizeof buffer, 0);
    const std::string filter = Filter(words.types[0], "*.*"), title = Title(words.title);
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrTitle = title.c_str();
    bool chosen = DeferredGetSaveFileNameA(&dialog) != 0;
    path = buffer;
    return chosen;
}

bool ChooseOpenFile(DialogHandle owner, std::string& path, const FileDialogWords& words) {
    char name[260] = "";
    std::string start = path.substr(0, 255);
    std::memcpy(name, start.c_str(), start.size() + 1);
    OPENFILENAMEA request = Request(owner, name, sizeof name, OFN_FILEMUSTEXIST);
    request.lpstrDefExt = "*";
    const std::string filter = Filter(words.types[0], "*.*"), title = Title(words.title);
    request.lpstrFilter = filter.c_str();
    request.lpstrTitle = title.c_str();
    if (!DeferredGetOpenFileNameA(&request)) {
        // A remembered path that is no longer valid would keep the dialog from opening at all.
        if (DeferredCommDlgExtendedError() != FNERR_INVALIDFILENAME) return false;
        name[0] = '\0';
        if (!DeferredGetOpenFileNameA(&request)) return false;
    }
    path = std::string(name).substr(0, 255);
    return true;
}

bool ChooseNewFile(DialogHandle owner, NewFileKind kind, std::string& path, const FileDialogWords& words) {
    const bool table = kind == NewFileKind::PathTable;
    char buffer[MAX_PATH] = "";
    words.name.substr(0, MAX_PATH - 1).copy(buffer, MAX_PATH - 1);
    const std::string filter = table ? Filter(words.types[0], "*.csv", words.types[1], "*.*")
                                     : Filter(words.types[0], "*.png", words.types[1], "*.emf");
    const std::string title = Title(words.title);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = WindowOf(owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = sizeof buffer;
    // A name typed without an extension gets this one (or, in some versions of the dialog, the
    // one of the file type chosen); the caller goes by the name it gets back.
    dialog.lpstrDefExt = table ? "csv" : "png";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    const bool chosen = DeferredGetSaveFileNameA(&dialog) != 0;
    if (chosen) path = buffer;
    return chosen;
}
