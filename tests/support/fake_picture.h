// A stand-in for the picture encoder: a picture's "file" is a short text naming its kind and
// size ("PNG 600x200", "EMF 300x100"), unless encoding is made to fail.
#pragma once

struct FakePicture {
    bool fail = false;  // PictureFileBytes answers false, as without the imaging components
};

FakePicture& PictureEncoder();
void ResetPictureEncoder();
