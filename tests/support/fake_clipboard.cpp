#include "tests/support/fake_clipboard.h"

#include "platform/clipboard.h"
#include "tests/support/fake_canvas.h"

namespace {
FakeClipboard fake;
}

FakeClipboard& Clipboard() { return fake; }
void ResetClipboard() { fake = FakeClipboard(); }

ClipboardResult CopyToClipboard(DialogHandle owner, std::string_view text, CanvasPicture metafile,
                                CanvasPicture bitmap) {
    fake.owners.push_back(owner);
    fake.text = text;
    fake.metafileSurface = SurfaceOfPicture(metafile);
    fake.bitmapSurface = SurfaceOfPicture(bitmap);
    return ClipboardResult::Copied;
}
