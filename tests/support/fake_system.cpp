#include "tests/support/fake_system.h"

#include "about/about.h"
#include "tools/launch.h"

namespace {
FakeSystem fakeSystem;
}

FakeSystem& System() { return fakeSystem; }
void ResetSystem() { fakeSystem = FakeSystem(); }

int RunCommand(std::string_view text) {
    fakeSystem.commands.emplace_back(text);
    return 33;
}

void ShowAbout(std::string_view title) { fakeSystem.aboutTitles.emplace_back(title); }
