// The picture seam: a finished canvas picture as the bytes of a file. The program links
// picture_win32.cpp (PNG through Windows' imaging components, loaded on first use; EMF as the
// metafile's own bytes); the unit tests link tests/support/fake_picture.cpp.
#pragma once

#include <string>

#include "platform/canvas.h"

// The file bytes of `picture`: a bitmap as PNG, a metafile as EMF. False (and no bytes) when
// it cannot be encoded, as when the imaging components are missing.
bool PictureFileBytes(CanvasPicture picture, std::string& bytes);
