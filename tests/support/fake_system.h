// Records what the program would have started or shown outside its dialogs.
#pragma once

#include <string>
#include <vector>

struct FakeSystem {
    std::vector<std::string> commands;     // texts passed to RunCommand
    std::vector<std::string> aboutTitles;  // titles passed to ShowAbout
};

FakeSystem& System();
void ResetSystem();
