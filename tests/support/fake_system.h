// Records what the program would have started or shown outside its dialogs.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

struct FakeSystem {
    std::vector<std::string> commands;     // texts passed to RunCommand
    std::vector<std::string> aboutTitles;  // titles passed to ShowAbout
    std::string currentDirectory = "C:\\Work";
    std::set<std::string> files;        // paths that FileExists finds
    std::set<std::string> directories;  // paths that DirectoryExists finds, unless hidden
    std::map<std::string, unsigned> directoryAttributes;  // kEntryHidden, kEntrySystem of some
    std::map<std::string, std::string> programs;  // bare names FindProgram finds, and where
    std::vector<std::string> directoryChanges;  // every SetCurrentDirectoryTo, in order
};

FakeSystem& System();
void ResetSystem();
