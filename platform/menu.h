// The menu seam: the few changes the program makes to its dialog's menu bar. The program links
// menu_win32.cpp; the unit tests link tests/support/fake_menu.cpp, which records them.
#pragma once

#include <string_view>

#include "platform/dialog.h"

struct MenuTag;
using MenuHandle = MenuTag*;  // a popup of a menu bar, opaque to portable code

// The popup at 1-based `position` of the dialog's menu bar (the last popup when the bar has
// fewer); null when the dialog has no menu.
MenuHandle DialogMenuPopup(DialogHandle dialog, int position);

// Deletes the items of `popup` after its fixed ones: from the end, while their id is above `base`.
void ClearMenuTail(MenuHandle popup, unsigned base);
// Appends an item with this command id and text (at most 255 characters) to `popup`.
void AppendMenuCommand(MenuHandle popup, unsigned id, std::string_view text);

// Enables or greys the menu item with command id `id` in the dialog's menu bar.
void EnableMenuCommand(DialogHandle dialog, int id, bool enable);
