// A stand-in for the file pickers: the save and open dialogs answer from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/pickers.h"

struct FakePickers {
    // The save dialog: the path the user confirms, or cancel; the directory it browsed to.
    bool cancelSave = false;
    std::string saveChoice = "C:\\Reports\\case.txt";
    std::string browsedDirectory;  // becomes the current directory when not empty (open dialog too)
    std::vector<DialogHandle> saveOwners;     // owner of every save dialog shown
    std::vector<NewFileKind> newFileKinds;    // the kind of every save dialog for a new file
    std::vector<std::string> titles;          // the title of every dialog shown, save and open
    std::vector<std::string> proposedNames;   // the name every save dialog for a new file proposed
    // The open dialog: the files the user picks, in turn; an empty answer (or none) cancels.
    std::deque<std::string> openAnswers;
    std::vector<std::string> openStarts;  // the path each open dialog started from
};

FakePickers& Pickers();
void ResetPickers();
