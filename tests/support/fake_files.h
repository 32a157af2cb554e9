// A stand-in for the file-writing seam: files are byte strings by path, kept in memory, and any
// single operation can be made to fail, as a full or vanished disk would.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

struct FakeFiles {
    std::map<std::string, std::string> files;  // path -> bytes
    std::set<std::string> readOnly;            // files that cannot be replaced or opened for writing
    // A file can be made only in a directory of this set, or anywhere while it is empty.
    std::set<std::string> directories;

    int operations = 0;  // opens, writes, closes and replaces so far
    int failAt = -1;     // the operation (counted from 0) that fails; -1 for none
    int writes = 0;      // writes so far
    int failingWrite = -1;  // the write (counted from 0) that writes half its bytes and fails
    bool failTruncate = false, failRemove = false;
    int openFiles = 0;
    // "create NAME", "append NAME", "write N", "close", "replace NAME", "remove NAME"
    std::vector<std::string> log;
};

FakeFiles& Files();
void ResetFiles();
