// A stand-in for the clipboard: keeps what was copied, and can be held by another program.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog.h"

struct FakeClipboard {
    bool heldByAnother = false;  // the next copies find it open elsewhere
    bool refuse = false;         // the next copies fail (out of memory)
    std::string text = "what another program copied";
    int metafileSurface = 0;  // the surface (1, 2, ...) each picture came from; 0 for none
    int bitmapSurface = 0;
    std::vector<DialogHandle> owners;  // the owner of every opening that succeeded
};

FakeClipboard& Clipboard();
void ResetClipboard();
