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

void SetMenuTail(MenuHandle popup, unsigned base, const std::vector<std::string>& titles) {
    if (!popup) return;
    ++fake.tailUpdates;
    fake.tailBase = base;
    fake.tail = titles;
}

void EnableMenuCommand(DialogHandle, int id, bool enable) {
    if (fake.hasMenu) fake.enabled[id] = enable;
}
