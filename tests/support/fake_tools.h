// Stand-ins for the Win32 side of the tools: the file operations of a save (real files, with
// one chosen operation made to fail), the Tools dialog and menu as seen from the main dialog,
// and the file dialog.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <utility>
#include <string>
#include <vector>

#include "ui/fields.h"

struct FakeFiles {
    int operations = 0;  // creates, writes, closes and replaces so far
    int failAt = -1;     // the operation (counted from 0) that fails; -1 for none
    std::vector<std::string> log;  // "create NAME", "write N", "close", "replace NAME", "remove NAME"
};

struct FakeList {
    std::vector<std::string> lines;
    int selected = -1;  // -1 for none
};

struct FakeToolsUi {
    std::map<std::pair<DialogHandle, int>, FakeList> lists;  // list boxes by dialog and id
    int dialogOpens = 0;
    int dialogResult = 0;         // what OpenToolsEditionDialog answers
    std::function<void()> whileOpen;  // runs as if the user worked in the dialog
    int menuUpdates = 0;          // UpdateToolsMenu calls
    std::vector<std::string> menuTitles;  // the titles of the tool items at the last update
    std::deque<std::string> browseAnswers;  // files the user picks; empty answers cancel
    std::vector<std::string> browseStarts;  // the path each BrowseForFile started from
};

FakeFiles& Files();
FakeToolsUi& ToolsUi();
void ResetToolsFakes();

// The list box `id` of a dialog of the fake (null when the dialog has no such control).
FakeList* ListOf(DialogHandle dialog, int id);
// The user picks line `line` of a list box: selection, then its notification.
void UserSelectsLine(DialogHandle dialog, int id, int line);
