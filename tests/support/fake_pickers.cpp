#include "tests/support/fake_pickers.h"

#include "platform/pickers.h"
#include "tests/support/fake_system.h"

namespace {
FakePickers fake;
}

FakePickers& Pickers() { return fake; }
void ResetPickers() { fake = FakePickers(); }

bool ChooseSaveFile(DialogHandle owner, std::string& path, const FileDialogWords& words) {
    fake.saveOwners.push_back(owner);
    fake.titles.emplace_back(words.title);
    if (!fake.browsedDirectory.empty()) System().currentDirectory = fake.browsedDirectory;
    if (fake.cancelSave) return false;
    path = fake.saveChoice;
    return true;
}

// The save dialog for a new file answers from the same script as the one for the report.
bool ChooseNewFile(DialogHandle owner, NewFileKind kind, std::string& path, const FileDialogWords& words) {
    fake.newFileKinds.push_back(kind);
    fake.proposedNames.emplace_back(words.name);
    return ChooseSaveFile(owner, path, words);
}

bool ChooseOpenFile(DialogHandle, std::string& path, const FileDialogWords& words) {
    fake.openStarts.push_back(path);
    if (!fake.browsedDirectory.empty()) System().currentDirectory = fake.browsedDirectory;
    fake.titles.emplace_back(words.title);
    if (fake.openAnswers.empty()) return false;
    std::string answer = fake.openAnswers.front();
    fake.openAnswers.pop_front();
    if (answer.empty()) return false;
    path = answer.substr(0, 255);
    return true;
}
