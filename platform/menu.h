// The menu seam: the few changes the program makes to its dialog's menu bar. The program links
// menu_win32.cpp; the unit tests link tests/support/fake_menu.cpp, which records them.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog.h"

struct MenuTag;
using MenuHandle = MenuTag*;  // a popup of a menu bar, opaque to portable code

// The popup at 1-based `position` of the dialog's menu bar (the last popup when the bar has
// fewer); null when the dialog has no menu.
MenuHandle DialogMenuPopup(DialogHandle dialog, int position);

// Deletes the items of `popup` after its fixed ones (from the end, while their id is above
// `base`), then appends one item per title, with ids base + 1, base + 2, ...
void SetMenuTail(MenuHandle popup, unsigned base, const std::vector<std::string>& titles);

// Enables or greys the menu item with command id `id` in the dialog's menu bar.
void EnableMenuCommand(DialogHandle dialog, int id, bool enable);
