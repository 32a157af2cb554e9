#include "tests/support/fake_menu.h"

#include <cstdint>

namespace {
FakeMenu fake;
}

FakeMenu& Menu() { return fake; }
void ResetMenu() { fake = FakeMenu(); }

MenuHandle DialogMenuPopup(DialogHandle, int position) {
    return fake.hasMenu ? reinterpret_cast<MenuHandle>(static_cast<std::uintptr_t>(0x100 * position)) : nullptr;
}

void ClearMenuTail(MenuHandle popup, unsigned) {
    if (!popup) return;
    ++fake.tailUpdates;
    fake.tail.clear();
    fake.tailIds.clear();
}

void AppendMenuCommand(MenuHandle popup, unsigned id, std::string_view text) {
    if (!popup) return;
    fake.tail.emplace_back(text);
    fake.tailIds.push_back(id);
}

void EnableMenuCommand(DialogHandle, int id, bool enable) {
    if (fake.hasMenu) fake.enabled[id] = enable;
}

void SetMenuCommandText(DialogHandle, int id, std::string_view text) {
    if (fake.hasMenu) fake.commandTexts[id] = std::string(text.substr(0, 255));
}

void SetMenuPopupText(DialogHandle, int position, std::string_view text) {
    if (fake.hasMenu) fake.popupTitles[position] = std::string(text.substr(0, 255));
}

void CheckMenuChoice(DialogHandle, int, int, int, int id) {
    if (fake.hasMenu) fake.chosen = id;
}

unsigned ChoosePopupMenu(DialogHandle, CanvasWindow, int x, int y, const std::vector<PopupMenuItem>& items) {
    ++fake.popups;
    fake.popupTexts.clear();
    fake.popupIds.clear();
    fake.popupEnabled.clear();
    for (const PopupMenuItem& item : items) {
        fake.popupTexts.emplace_back(item.text);
        fake.popupIds.push_back(item.id);
        fake.popupEnabled.push_back(item.enabled);
    }
    fake.popupX = x;
    fake.popupY = y;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].id == fake.popupChoice) return items[i].enabled ? fake.popupChoice : 0;
    return 0;
}
