#include <windows.h>

#include <string>

#include "platform/list_field.h"

namespace {
LRESULT SendList(DialogHandle dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessageA(reinterpret_cast<HWND>(dialog), id, message, wParam, lParam);
}
}  // namespace

void ClearListField(DialogHandle dialog, int id) { SendList(dialog, id, LB_RESETCONTENT, 0, 0); }

void AddListLine(DialogHandle dialog, int id, std::string_view text) {
    std::string line(text.substr(0, kMaxShortText));
    SendList(dialog, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void SelectListLine(DialogHandle dialog, int id, int index) {
    SendList(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int SelectedListLine(DialogHandle dialog, int id) {
    LRESULT line = SendList(dialog, id, LB_GETCURSEL, 0, 0);
    return line == LB_ERR ? -1 : static_cast<int>(line);
}
