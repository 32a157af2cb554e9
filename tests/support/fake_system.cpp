#include "tests/support/fake_system.h"

#include "about/about.h"
#include "tools/launch.h"
#include "tools/system.h"

namespace {
FakeSystem fakeSystem;
}

FakeSystem& System() { return fakeSystem; }
void ResetSystem() { fakeSystem = FakeSystem(); }

int RunCommand(std::string_view text) {
    fakeSystem.commands.emplace_back(text);
    return 33;
}

int OpenDocument(std::string_view path, bool) {
    fakeSystem.commands.emplace_back(path);
    return 33;
}

void ShowAbout(std::string_view title) { fakeSystem.aboutTitles.emplace_back(title); }

std::string CurrentDirectory() { return fakeSystem.currentDirectory; }

bool SetCurrentDirectoryTo(std::string_view path) {
    fakeSystem.directoryChanges.emplace_back(path);
    if (!fakeSystem.directories.count(std::string(path))) return false;
    fakeSystem.currentDirectory = std::string(path);
    return true;
}

bool FileExists(std::string_view path) { return fakeSystem.files.count(std::string(path)) > 0; }

bool DirectoryExists(std::string_view path) {
    const std::string name(path);
    if (!fakeSystem.directories.count(name)) return false;
    auto found = fakeSystem.directoryAttributes.find(name);
    const unsigned attributes = found == fakeSystem.directoryAttributes.end() ? 0 : found->second;
    return IsVisibleDirectory(name, kEntryDirectory | attributes);
}

std::string FindProgram(std::string_view name) {
    auto found = fakeSystem.programs.find(std::string(name));
    return found == fakeSystem.programs.end() ? std::string() : found->second;
}
