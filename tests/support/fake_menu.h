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
    std::map<int, std::string> commandTexts;  // command id -> text, as last set
    std::map<int, std::string> popupTitles;   // position on the bar -> text, as last set
    int chosen = 0;                           // the item marked by CheckMenuChoice
    // Popup menus: what the last one showed, where, and what the user chooses (0: nothing).
    int popups = 0;
    std::vector<std::string> popupTexts;
    std::vector<unsigned> popupIds;
    std::vector<bool> popupEnabled;
    int popupX = 0, popupY = 0;
    unsigned popupChoice = 0;
};

FakeMenu& Menu();
void ResetMenu();
