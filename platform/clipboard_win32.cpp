#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/canvas_win32.h"
#include "platform/clipboard.h"
#include "platform/dialog_win32.h"

namespace {

// Movable global memory holding `size` bytes from `data`; null when there is no memory.
HGLOBAL GlobalCopy(const void* data, std::size_t size, std::size_t extraZeros = 0) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size + extraZeros);
    if (!memory) return nullptr;
    auto* bytes = static_cast<char*>(GlobalLock(memory));
    if (!bytes) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(bytes, data, size);
    std::memset(bytes + size, 0, extraZeros);
    GlobalUnlock(memory);
    return memory;
}

// A packed device-independent bitmap: its header, then the rows from the bottom up, as
// CF_DIB wants them (the picture keeps its rows top first).
HGLOBAL PackedDib(const CanvasPictureTag& picture) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = picture.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const std::size_t rowBytes = static_cast<std::size_t>(picture.stride);
    header.biSizeImage = static_cast<DWORD>(rowBytes * picture.height);
    std::vector<char> packed(sizeof header + header.biSizeImage);
    std::memcpy(packed.data(), &header, sizeof header);
    const auto* rows = static_cast<const char*>(picture.bits);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(packed.data() + sizeof header + rowBytes * (picture.height - 1 - y), rows + rowBytes * y, rowBytes);
    return GlobalCopy(packed.data(), packed.size());
}

// Another program may hold the clipboard for a moment (a clipboard viewer reading what was
// just copied): a few tries over a tenth of a second before it counts as held.
bool OpenClipboardFor(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

// Hands the data to the clipboard, which owns it from then on; frees it when refused.
bool Put(UINT format, HANDLE data) {
    if (!data) return false;
    if (SetClipboardData(format, data)) return true;
    if (format == CF_ENHMETAFILE)
        DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data));
    else
        GlobalFree(data);
    return false;
}

}  // namespace

ClipboardResult CopyToClipboard(DialogHandle owner, std::string_view text, CanvasPicture metafile,
                                CanvasPicture bitmap) {
    if (!OpenClipboardFor(WindowOf(owner))) return ClipboardResult::InUse;
    bool copied = EmptyClipboard() && Put(CF_TEXT, GlobalCopy(text.data(), text.size(), 1));
    if (copied && metafile && metafile->metafile) Put(CF_ENHMETAFILE, CopyEnhMetaFile(metafile->metafile, nullptr));
    if (copied && bitmap && bitmap->bits) Put(CF_DIB, PackedDib(*bitmap));
    CloseClipboard();
    return copied ? ClipboardResult::Copied : ClipboardResult::Failed;
}
