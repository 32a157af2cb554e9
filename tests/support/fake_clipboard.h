// A stand-in for the clipboard: keeps what was copied, and by whom.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog.h"

struct FakeClipboard {
    std::string text = "what another program copied";
    int metafileSurface = 0;  // the surface (1, 2, ...) each picture came from; 0 for none
    int bitmapSurface = 0;
    std::vector<DialogHandle> owners;  // the owner of every opening that succeeded
};

FakeClipboard& Clipboard();
void ResetClipboard();
