// A stand-in for list boxes: the lines and the selection of each, by dialog and id.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog.h"

struct FakeList {
    std::vector<std::string> lines;
    int selected = -1;  // -1 for none
};

// The list box `id` of a dialog of the fake (null when the dialog has no such control).
FakeList* ListOf(DialogHandle dialog, int id);
void ResetLists();
// The user picks line `line` of a list box: selection, then its notification.
void UserSelectsLine(DialogHandle dialog, int id, int line);
