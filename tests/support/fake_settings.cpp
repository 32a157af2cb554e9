#include "tests/support/fake_settings.h"

namespace {

FakeSettings fake;

}

FakeSettings& Settings() { return fake; }
void ResetSettings() { fake = FakeSettings(); }

int RememberedLanguage() { return fake.language; }

bool RememberLanguage(int language) {
    if (!fake.writable) return false;
    fake.language = language;
    ++fake.writes;
    return true;
}

DisplayLanguage UserDisplayLanguage() { return fake.display; }
