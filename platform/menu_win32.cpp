#include <windows.h>

#include <string>

#include "platform/dialog_win32.h"
#include "platform/menu.h"

MenuHandle DialogMenuPopup(DialogHandle dialog, int position) {
    HMENU bar = GetMenu(WindowOf(dialog));
    if (!bar) return nullptr;
    int count = GetMenuItemCount(bar);
    if (count < position) position = count;
    return reinterpret_cast<MenuHandle>(GetSubMenu(bar, position - 1));
}

void ClearMenuTail(MenuHandle handle, unsigned base) {
    HMENU popup = reinterpret_cast<HMENU>(handle);
    if (!popup) return;
    for (int item = GetMenuItemCount(popup) - 1; item >= 0; --item) {
        if (GetMenuItemID(popup, item) <= base) break;  // a separator (0) or a fixed item
        DeleteMenu(popup, item, MF_BYPOSITION);
    }
}

void AppendMenuCommand(MenuHandle popup, unsigned id, std::string_view text) {
    if (popup) AppendMenuA(reinterpret_cast<HMENU>(popup), MF_STRING, id, std::string(text.substr(0, 255)).c_str());
}

void EnableMenuCommand(DialogHandle dialog, int id, bool enable) {
    if (HMENU bar = GetMenu(WindowOf(dialog)))
        EnableMenuItem(bar, static_cast<UINT>(id), MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}
