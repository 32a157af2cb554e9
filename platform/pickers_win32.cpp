#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <string>

#include "platform/deferred_dlls_win32.h"
#include "platform/dialog_win32.h"
#include "platform/pickers.h"
#include "platform/wide_win32.h"

namespace {

// The file types of a dialog: each type's name in the program's language (Windows-1252 words),
// then its pattern, each followed by a zero; a second zero (the string's own) ends the list.
std::wstring Filter(std::string_view firstName, const wchar_t* firstPattern, std::string_view secondName = {},
                    const wchar_t* secondPattern = nullptr) {
    std::wstring filter = WideOf1252(firstName);
    filter.append(1, L'\0').append(firstPattern).append(1, L'\0');
    if (secondPattern) filter.append(WideOf1252(secondName)).append(1, L'\0').append(secondPattern).append(1, L'\0');
    return filter;
}

// The wide-character dialogs: a name the ANSI ones would turn into look-alikes or '?' comes
// back with every character.
OPENFILENAMEW Request(DialogHandle owner, wchar_t* name, DWORD size, DWORD flags) {
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = WindowOf(owner);  // disabled while the user chooses
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

bool ChooseSaveFile(DialogHandle owner, std::string& path, const FileDialogWords& words) {
    wchar_t buffer[MAX_PATH];
    Fill(buffer, MAX_PATH, WideOf(path));
    // No default extension: a name typed without one is kept as typed.
    OPENFILENAMEW dialog = Request(owner, buffer, MAX_PATH, 0);
    const std::wstring filter = Filter(words.types[0], L"*.*"), title = WideOf1252(words.title);
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrTitle = title.c_str();
    bool chosen = DeferredGetSaveFileNameW(&dialog) != 0;
    path = Utf8Of(buffer);
    return chosen;
}

bool ChooseOpenFile(DialogHandle owner, std::string& path, const FileDialogWords& words) {
    wchar_t name[260];
    Fill(name, 256, WideOf(path));
    OPENFILENAMEW request = Request(owner, name, 260, OFN_FILEMUSTEXIST);
    request.lpstrDefExt = L"*";
    const std::wstring filter = Filter(words.types[0], L"*.*"), title = WideOf1252(words.title);
    request.lpstrFilter = filter.c_str();
    request.lpstrTitle = title.c_str();
    if (!DeferredGetOpenFileNameW(&request)) {
        // A remembered path that is no longer valid would keep the dialog from opening at all.
        if (DeferredCommDlgExtendedError() != FNERR_INVALIDFILENAME) return false;
        name[0] = L'\0';
        if (!DeferredGetOpenFileNameW(&request)) return false;
    }
    path = Utf8Of(std::wstring_view(name).substr(0, 255));
    return true;
}

bool ChooseNewFile(DialogHandle owner, NewFileKind kind, std::string& path, const FileDialogWords& words) {
    const bool table = kind == NewFileKind::PathTable;
    wchar_t buffer[MAX_PATH];
    Fill(buffer, MAX_PATH, WideOf1252(words.name));
    const std::wstring filter = table ? Filter(words.types[0], L"*.csv", words.types[1], L"*.*")
                                      : Filter(words.types[0], L"*.png", words.types[1], L"*.emf");
    const std::wstring title = WideOf1252(words.title);
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = WindowOf(owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrTitle = title.c_str();
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
