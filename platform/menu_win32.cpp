#include <windows.h>

#include <string>

#include "platform/canvas_win32.h"
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

namespace {

void SetItemText(HMENU menu, UINT item, BOOL byPosition, std::string_view text) {
    std::string buffer(text.substr(0, 255));
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = buffer.data();
    SetMenuItemInfoA(menu, item, byPosition, &info);
}

}  // namespace

void SetMenuCommandText(DialogHandle dialog, int id, std::string_view text) {
    if (HMENU bar = GetMenu(WindowOf(dialog))) SetItemText(bar, static_cast<UINT>(id), FALSE, text);
}

void SetMenuPopupText(DialogHandle dialog, int position, std::string_view text) {
    HMENU bar = GetMenu(WindowOf(dialog));
    if (bar && position >= 1 && position <= GetMenuItemCount(bar))
        SetItemText(bar, static_cast<UINT>(position - 1), TRUE, text);
}

void CheckMenuChoice(DialogHandle dialog, int position, int first, int last, int id) {
    HMENU bar = GetMenu(WindowOf(dialog));
    if (!bar || position < 1 || position > GetMenuItemCount(bar)) return;
    CheckMenuRadioItem(GetSubMenu(bar, position - 1), static_cast<UINT>(first), static_cast<UINT>(last),
                       static_cast<UINT>(id), MF_BYCOMMAND);
    DrawMenuBar(WindowOf(dialog));
}

unsigned ChoosePopupMenu(DialogHandle dialog, CanvasWindow window, int x, int y,
                         const std::vector<PopupMenuItem>& items) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return 0;
    for (const PopupMenuItem& item : items)
        AppendMenuA(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), item.id,
                    std::string(item.text.substr(0, 255)).c_str());
    POINT at = {x, y};
    ClientToScreen(WindowOf(window), &at);
    // TPM_RETURNCMD: the choice comes back here rather than as a WM_COMMAND posted later.
    const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, at.x,
                                       at.y, 0, WindowOf(dialog), nullptr);
    DestroyMenu(menu);
    return chosen > 0 ? static_cast<unsigned>(chosen) : 0;
}
