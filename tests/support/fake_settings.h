// A stand-in for the registry and the system's display language.
#pragma once

#include "platform/settings.h"

struct FakeSettings {
    int language = -1;        // the remembered language; -1: none
    bool writable = true;     // false: RememberLanguage fails
    int writes = 0;           // RememberLanguage calls that wrote
    DisplayLanguage display = DisplayLanguage::Other;
};

FakeSettings& Settings();
void ResetSettings();
