// The save dialog and the report file in memory: files are byte strings by path, the dialog
// answers from a script, and any single file operation can be made to fail.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/fields.h"

struct FakeReport {
    std::map<std::string, std::string> files;  // path -> bytes
    // The save dialog: the path the user confirms, or cancel; the directory it browsed to.
    bool cancel = false;
    std::string choice = "C:\\Reports\\case.txt";
    std::string browsedDirectory;          // becomes the current directory when not empty
    std::vector<DialogHandle> dialogOwners;  // owner of every save dialog shown

    // Fault injection: the write with this 0-based number (counted over the whole test) writes
    // half its bytes and fails; -1 for none. The other operations fail while their flag is set.
    int failingWrite = -1;
    int writes = 0;
    bool failOpen = false, failClose = false, failTruncate = false, failRemove = false;
    bool open = false;  // a file is open now
};

FakeReport& Report();
void ResetReport();
