#include "ui/fields_win32.h"

#include <string>

#include "ui/fields.h"

namespace {

HWND fallbackOwner;

HWND Window(DialogHandle dialog) { return static_cast<HWND>(dialog); }

std::string Short(std::string_view text) { return std::string(text.substr(0, kMaxShortText)); }

// A box owned by nothing would leave the main dialog usable underneath it.
HWND MessageOwner() {
    HWND active = GetActiveWindow();
    return active ? active : fallbackOwner;
}

}  // namespace

void SetMessageFallbackOwner(HWND window) { fallbackOwner = window; }

void SetFieldText(DialogHandle dialog, int id, std::string_view text) {
    SetDlgItemTextA(Window(dialog), id, Short(text).c_str());
}

std::string GetFieldText(DialogHandle dialog, int id) {
    char buffer[kMaxFieldText + 1] = "";
    UINT length = GetDlgItemTextA(Window(dialog), id, buffer, sizeof buffer);
    return std::string(buffer, length);
}

void SetWindowCaption(DialogHandle window, std::string_view text) {
    SetWindowTextA(Window(window), Short(text).c_str());
}

bool IsFieldChecked(DialogHandle dialog, int id) {
    return IsDlgButtonChecked(Window(dialog), id) != BST_UNCHECKED;
}

void SetFieldChecked(DialogHandle dialog, int id, bool checked) {
    CheckDlgButton(Window(dialog), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void EnableField(DialogHandle dialog, int id, bool enable) {
    if (HWND control = GetDlgItem(Window(dialog), id)) EnableWindow(control, enable);
}

void FocusField(DialogHandle dialog, int id) {
    HWND control = GetDlgItem(Window(dialog), id);
    if (!control) return;
    SetFocus(control);
    // As when Tab reaches an edit: its whole text is selected, so what is typed replaces it.
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
}

int FocusedField(DialogHandle dialog) {
    HWND focus = GetFocus();
    return focus && IsChild(Window(dialog), focus) ? GetDlgCtrlID(focus) : -1;
}

void ShowMessage(std::string_view caption, std::string_view text) {
    ShowMessageStyled(caption, text, MB_OK);
}

int ShowMessageStyled(std::string_view caption, std::string_view text, unsigned flags) {
    return MessageBoxA(MessageOwner(), Short(text).c_str(), Short(caption).c_str(), flags);
}

int AskYesNo(std::string_view caption, std::string_view text, unsigned flags) {
    return ShowMessageStyled(caption, text, flags | MB_YESNO);
}

void EndDialogWith(DialogHandle dialog, int result) { EndDialog(Window(dialog), result); }
