#include "tests/support/fake_picture.h"

#include "platform/picture.h"
#include "tests/support/fake_canvas.h"

namespace {
FakePicture fake;
}

FakePicture& PictureEncoder() { return fake; }
void ResetPictureEncoder() { fake = FakePicture(); }

bool PictureFileBytes(CanvasPicture picture, std::string& bytes) {
    bytes.clear();
    const int n = SurfaceOfPicture(picture);
    if (fake.fail || !n) return false;
    const FakeSurface& s = Canvas().surfaces[n - 1];
    bytes = std::string(s.kind == CanvasSurfaceKind::Bitmap ? "PNG " : "EMF ") + std::to_string(s.width) + 'x' +
            std::to_string(s.height);
    return true;
}
