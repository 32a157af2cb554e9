// The clipboard seam. The program links clipboard_win32.cpp; the unit tests link
// tests/support/fake_clipboard.cpp, which keeps what was copied and can be held by another
// program.
#pragma once

#include <string_view>

#include "platform/canvas.h"
#include "platform/dialog.h"

enum class ClipboardResult {
    Copied,
    InUse,   // another program holds the clipboard open; it was left as it was
    Failed,  // the clipboard took no text (out of memory, or the system refused)
};

// Replaces what the clipboard holds, in one opening by `owner`, with the text (single-byte, in
// the ANSI code page), a copy of `metafile` as a vector picture and a copy of `bitmap` as a
// device-independent bitmap. A null picture is left out. The pictures stay the caller's.
ClipboardResult CopyToClipboard(DialogHandle owner, std::string_view text, CanvasPicture metafile,
                                CanvasPicture bitmap);
