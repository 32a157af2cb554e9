#include "tests/support/fake_list_field.h"

#include <map>
#include <utility>

#include "platform/list_field.h"
#include "tests/support/fake_dialog.h"

namespace {
std::map<std::pair<DialogHandle, int>, FakeList> lists;
}

FakeList* ListOf(DialogHandle dialog, int id) {
    if (!FakeOf(dialog).controls.count(id)) return nullptr;
    return &lists[{dialog, id}];
}

void ResetLists() { lists.clear(); }

void ClearListField(DialogHandle dialog, int id) {
    if (FakeList* list = ListOf(dialog, id)) {
        list->lines.clear();
        list->selected = -1;
    }
}

void AddListLine(DialogHandle dialog, int id, std::string_view text) {
    if (FakeList* list = ListOf(dialog, id)) list->lines.emplace_back(text.substr(0, kMaxShortText));
}

void SelectListLine(DialogHandle dialog, int id, int index) {
    FakeList* list = ListOf(dialog, id);
    if (list) list->selected = index >= 0 && index < static_cast<int>(list->lines.size()) ? index : -1;
}

int SelectedListLine(DialogHandle dialog, int id) {
    FakeList* list = ListOf(dialog, id);
    return list ? list->selected : -1;
}

void UserSelectsLine(DialogHandle dialog, int id, int line) {
    SelectListLine(dialog, id, line);
    FakeDialog& d = FakeOf(dialog);
    FocusField(dialog, id);
    if (d.onCommand) d.onCommand(id, ControlEvent::ListSelectionChanged);
}
