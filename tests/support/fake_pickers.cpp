#include "tests/support/fake_pickers.h"

#include "platform/pickers.h"
#include "tests/support/fake_system.h"

namespace {
FakePickers fake;
}

FakePickers& Pickers() { return fake; }
void ResetPickers() { fake = FakePickers(); }

bool ChooseSaveFile(DialogHandle owner, std::string& path) {
    fake.saveOwners.push_back(owner);
    if (!fake.browsedDirectory.empty()) System().currentDirectory = fake.browsedDirectory;
    if (fake.cancelSave) return false;
    path = fake.saveChoice;
    return true;
}

// The save dialog for a new file answers from the same script as the one for the report.
bool ChooseNewFile(DialogHandle owner, NewFileKind kind, std::string& path) {
    fake.newFileKinds.push_back(kind);
    return ChooseSaveFile(owner, path);
}

bool ChooseOpenFile(DialogHandle, std::string& path) {
    fake.openStarts.push_back(path);
    if (!fake.browsedDirectory.empty()) System().currentDirectory = fake.browsedDirectory;
    if (fake.openAnswers.empty()) return false;
    std::string answer = fake.openAnswers.front();
    fake.openAnswers.pop_front();
    if (answer.empty()) return false;
    path = answer.substr(0, 255);
    return true;
}
