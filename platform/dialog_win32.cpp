#include "platform/dialog_win32.h"

#include <string>

#include "platform/wide_win32.h"

namespace {

HWND fallbackOwner;
HWND programSelection;  // see ProgramSelectedEdit

std::string Short(std::string_view text) { return std::string(text.substr(0, kMaxShortText)); }

// A box owned by nothing would leave the main dialog usable underneath it.
HWND MessageOwner() {
    HWND active = GetActiveWindow();
    return active ? active : fallbackOwner;
}

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
        case MessageIcon::Question: return MB_ICONQUESTION;
        case MessageIcon::None: break;
    }
    return 0;
}

int Box(std::string_view caption, const std::wstring& text, UINT style) {
    return MessageBoxW(MessageOwner(), text.c_str(), WideOf1252(Short(caption)).c_str(), style);
}

}  // namespace

ControlEvent EventOf(WORD code) {
    // An accelerator sends 1, the number of a list box's selection change: portable code reads
    // the event only for the edits and list boxes whose notifications it follows.
    switch (code) {
        case EN_CHANGE: return ControlEvent::EditChanged;
        case LBN_SELCHANGE: return ControlEvent::ListSelectionChanged;
        default: return ControlEvent::Command;
    }
}

void SetMessageFallbackOwner(HWND window) { fallbackOwner = window; }

void SetFieldText(DialogHandle dialog, int id, std::string_view text) {
    SetDlgItemTextA(WindowOf(dialog), id, Short(text).c_str());
}

std::string GetFieldText(DialogHandle dialog, int id) {
    char buffer[kMaxFieldText + 1] = "";
    UINT length = GetDlgItemTextA(WindowOf(dialog), id, buffer, sizeof buffer);
    return std::string(buffer, length);
}

void SetWindowCaption(DialogHandle window, std::string_view text) {
    SetWindowTextA(WindowOf(window), Short(text).c_str());
}

bool IsFieldChecked(DialogHandle dialog, int id) {
    return IsDlgButtonChecked(WindowOf(dialog), id) != BST_UNCHECKED;
}

void SetFieldChecked(DialogHandle dialog, int id, bool checked) {
    CheckDlgButton(WindowOf(dialog), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void EnableField(DialogHandle dialog, int id, bool enable) {
    if (HWND control = GetDlgItem(WindowOf(dialog), id)) EnableWindow(control, enable);
}

void FocusField(DialogHandle dialog, int id) {
    HWND control = GetDlgItem(WindowOf(dialog), id);
    if (!control) return;
    SetFocus(control);
    programSelection = nullptr;
    // As when Tab reaches an edit: its whole text is selected, so what is typed replaces it.
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageA(control, EM_SETSEL, 0, -1);
        programSelection = control;
    }
}

HWND ProgramSelectedEdit() { return programSelection; }

void ForgetProgramSelection() { programSelection = nullptr; }

void LimitFieldText(DialogHandle dialog, int id, int characters) {
    SendDlgItemMessageA(WindowOf(dialog), id, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

int FocusedField(DialogHandle dialog) {
    HWND focus = GetFocus();
    return focus && IsChild(WindowOf(dialog), focus) ? GetDlgCtrlID(focus) : -1;
}

void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) {
    Box(caption, WideOf1252(Short(text)), MB_OK | IconStyle(icon));
}

void ShowFileMessage(std::string_view caption, std::string_view text, std::string_view path, MessageIcon icon) {
    Box(caption, WideOf1252(Short(text)) + L"\r\n" + WideOf(path), MB_OK | IconStyle(icon));
}

Answer AskYesNo(std::string_view caption, std::string_view text, MessageIcon icon) {
    return Box(caption, WideOf1252(Short(text)), MB_YESNO | IconStyle(icon)) == IDYES ? Answer::Yes : Answer::No;
}

void EndDialogWith(DialogHandle dialog, int result) { EndDialog(WindowOf(dialog), result); }
