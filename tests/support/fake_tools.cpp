#include "tests/support/fake_tools.h"

#include <sys/stat.h>

#include <cstdio>

#include "tests/support/fake_fields.h"
#include "tools/list_field.h"
#include "tools/tool_file.h"
#include "tools/tool_list.h"
#include "tools/tools_dialog.h"
#include "tools/tools_menu.h"

namespace {

FakeFiles files;
FakeToolsUi toolsUi;

// Counts one operation; true when it is the one that must fail.
bool Fails() { return files.operations++ == files.failAt; }

}  // namespace

FakeList* ListOf(DialogHandle dialog, int id) {
    if (!FakeOf(dialog).controls.count(id)) return nullptr;
    return &toolsUi.lists[{dialog, id}];
}

FakeFiles& Files() { return files; }
FakeToolsUi& ToolsUi() { return toolsUi; }
void ResetToolsFakes() {
    files = FakeFiles();
    toolsUi = FakeToolsUi();
}

std::FILE* CreateNewFile(const std::string& path) {
    files.log.push_back("create " + path);
    if (Fails()) return nullptr;
    return std::fopen(path.c_str(), "wbx");
}

bool WriteFileBytes(std::FILE* file, std::string_view bytes) {
    files.log.push_back("write " + std::to_string(bytes.size()));
    if (Fails()) {  // the disk filled up half-way
        std::fwrite(bytes.data(), 1, bytes.size() / 2, file);
        return false;
    }
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool CloseWrittenFile(std::FILE* file) {
    files.log.push_back("close");
    bool fails = Fails();
    return std::fclose(file) == 0 && !fails;
}

bool ReplaceFileWith(const std::string& target, const std::string& source) {
    files.log.push_back("replace " + target);
    if (Fails()) return false;
    struct stat status;
    if (stat(target.c_str(), &status) == 0 && !(status.st_mode & S_IWUSR)) return false;  // read-only
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool RemoveFileNamed(const std::string& path) {
    files.log.push_back("remove " + path);
    return std::remove(path.c_str()) == 0;
}

int OpenToolsEditionDialog() {
    ++toolsUi.dialogOpens;
    if (toolsUi.whileOpen) toolsUi.whileOpen();
    return toolsUi.dialogResult;
}

void UpdateToolsMenu() {
    ++toolsUi.menuUpdates;
    toolsUi.menuTitles.clear();
    for (int p = 1; p <= toolList.toolCount; ++p) toolsUi.menuTitles.push_back(ToolAt(p).title);
}

bool BrowseForFile(std::string& path) {
    toolsUi.browseStarts.push_back(path);
    if (toolsUi.browseAnswers.empty()) return false;
    std::string answer = toolsUi.browseAnswers.front();
    toolsUi.browseAnswers.pop_front();
    if (answer.empty()) return false;
    path = answer.substr(0, 255);
    return true;
}

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
    if (d.onCommand) d.onCommand(id, kListSelectionChanged);
}
