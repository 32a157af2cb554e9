// The menu seam: the few changes the program makes to its dialog's menu bar. The program links
// menu_win32.cpp; the unit tests link tests/support/fake_menu.cpp, which records them.
#pragma once

#include <string_view>
#include <vector>

#include "platform/canvas.h"
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

// Renames, keeping its state, the item with command id `id` of the dialog's menu bar, or the
// popup at 1-based `position` of the bar (at most 255 characters each).
void SetMenuCommandText(DialogHandle dialog, int id, std::string_view text);
void SetMenuPopupText(DialogHandle dialog, int position, std::string_view text);
// Marks item `id` of the popup at `position` as the chosen one of the items first..last, and
// draws the menu bar again.
void CheckMenuChoice(DialogHandle dialog, int position, int first, int last, int id);

// An item of a popup menu: its command id, its text (at most 255 characters) and whether it
// can be chosen or is greyed.
struct PopupMenuItem {
    unsigned id;
    std::string_view text;
    bool enabled;
};

// Shows a popup menu of these items, owned by the dialog, with its top-left corner at pixel
// (x, y) of `window`'s client area, and waits for the user: returns the id chosen, 0 when the
// menu was closed without a choice.
unsigned ChoosePopupMenu(DialogHandle dialog, CanvasWindow window, int x, int y,
                         const std::vector<PopupMenuItem>& items);
