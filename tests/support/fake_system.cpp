#include "tests/support/fake_system.h"

namespace {
FakeSystem fakeSystem;

StartOutcome Start(const std::string& what, const std::string& arguments) {
    fakeSystem.commands.push_back(what);
    fakeSystem.arguments.push_back(arguments);
    fakeSystem.directoriesAtStart.push_back(fakeSystem.currentDirectory);
    StartOutcome outcome = fakeSystem.nextOutcome;
    fakeSystem.nextOutcome = {};
    return outcome;
}
}  // namespace

FakeSystem& System() { return fakeSystem; }
void ResetSystem() { fakeSystem = FakeSystem(); }

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


StartOutcome StartProgram(const std::string& path, const std::string& arguments) { return Start(path, arguments); }

StartOutcome OpenWithShell(const std::string& file, const std::string& parameters) {
    return Start(file, parameters);
}
