#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <string>

#include "platform/deferred_dlls_win32.h"
#include "platform/dialog_win32.h"
#include "platform/pickers.h"
#include "platform/wide_win32.h"

namespace {

const wchar_t kAllFiles[] = L"All files (*.*)\0*.*\0";  // the literal adds the final zero
const wchar_t kCsvFiles[] = L"CSV files (*.csv)\0*.csv\0All files (*.*)\0*.*\0";
const wchar_t kPictureFiles[] = L"PNG pictures (*.png)\0*.png\0Enhanced metafiles (*.emf)\0*.emf\0";

// The wide-character dialogs: a name the ANSI ones would turn into look-alikes or '?' comes
// back with every character.
OPENFILENAMEW Request(DialogHandle owner, wchar_t* name, DWORD size, DWORD flags) {
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = WindowOf(owner);  // disabled while the user chooses
    request.lpstrFilter = kAllFiles;
    request.lpstrFile = name;
    request.nMaxFile = size;
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | flags;
    return request;
}

// The first `size` - 1 characters of `text` into the buffer, ended by a zero.
void Fill(wchar_t* buffer, std::size_t size, const std::wstring& text) {
    const std::size_t length = std::min(text.size(), size - 1);
    text.copy(buffer, length);
    buffer[length] = L'\0';
}

}  // namespace

bool ChooseSaveFile(DialogHandle owner, std::string& path) {
    wchar_t buffer[MAX_PATH];
    Fill(buffer, MAX_PATH, WideOf(path));
    // No default extension: a name typed without one is kept as typed.
    OPENFILENAMEW dialog = Request(owner, buffer, MAX_PATH, 0);
    bool chosen = DeferredGetSaveFileNameW(&dialog) != 0;
    path = Utf8Of(buffer);
    return chosen;
}

bool ChooseOpenFile(DialogHandle owner, std::string& path) {
    wchar_t name[260];
    Fill(name, 256, WideOf(path));
    OPENFILENAMEW request = Request(owner, name, 260, OFN_FILEMUSTEXIST);
    request.lpstrDefExt = L"*";
    if (!DeferredGetOpenFileNameW(&request)) {
        // A remembered path that is no longer valid would keep the dialog from opening at all.
        if (DeferredCommDlgExtendedError() != FNERR_INVALIDFILENAME) return false;
        name[0] = L'\0';
        if (!DeferredGetOpenFileNameW(&request)) return false;
    }
    path = Utf8Of(std::wstring_view(name).substr(0, 255));
    return true;
}

bool ChooseNewFile(DialogHandle owner, NewFileKind kind, std::string& path) {
    const bool table = kind == NewFileKind::PathTable;
    wchar_t buffer[MAX_PATH];
    Fill(buffer, MAX_PATH, table ? L"path.csv" : L"plot.png");
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = WindowOf(owner);
    dialog.lpstrFilter = table ? kCsvFiles : kPictureFiles;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = MAX_PATH;
    // A name typed without an extension gets this one (or, in some versions of the dialog, the
    // one of the file type chosen); the caller goes by the name it gets back.
    dialog.lpstrDefExt = table ? L"csv" : L"png";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    const bool chosen = DeferredGetSaveFileNameW(&dialog) != 0;
    if (chosen) path = Utf8Of(buffer);
    return chosen;
}
