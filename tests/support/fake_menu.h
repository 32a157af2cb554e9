// A stand-in for the dialog's menu bar: records the tool items and the enabled commands.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/menu.h"

struct FakeMenu {
    bool hasMenu = true;  // false: the dialog has no menu bar
    int tailUpdates = 0;  // ClearMenuTail calls
    std::vector<std::string> tail;  // the titles of the items after the fixed ones
    std::vector<unsigned> tailIds;  // and their ids
    std::map<int, bool> enabled;  // command id -> enabled, as last set
};

FakeMenu& Menu();
void ResetMenu();
