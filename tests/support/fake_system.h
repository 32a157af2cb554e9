// A stand-in for the system: a current directory, the files and directories that exist, and a
// record of what the program would have started.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/system.h"

struct FakeSystem {
    std::vector<std::string> commands;  // every program started and document opened, in order
    std::vector<std::string> arguments;  // their arguments or parameters
    std::vector<std::string> directoriesAtStart;  // the current directory at each start
    std::string currentDirectory = "C:\\Work";
    std::set<std::string> files;        // paths that FileExists finds
    std::set<std::string> directories;  // paths that DirectoryExists finds, unless hidden
    std::map<std::string, unsigned> directoryAttributes;  // kEntryHidden, kEntrySystem of some
    std::map<std::string, std::string> programs;  // bare names FindProgram finds, and where
    std::vector<std::string> directoryChanges;  // every SetCurrentDirectoryTo, in order
    StartOutcome nextOutcome;  // what the next start answers
};

FakeSystem& System();
void ResetSystem();
