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
    return fakeSystem.directories.count(std::string(path)) > 0;
}

std::string FindProgram(const std::string& name) {
    return fakeSystem.programsOnPath.count(name) ? "C:\\Windows\\" + name : name;
}

StartOutcome StartProgram(const std::string& path, const std::string& arguments) { return Start(path, arguments); }

StartOutcome OpenWithShell(const std::string& file, const std::string& parameters) {
    return Start(file, parameters);
}
