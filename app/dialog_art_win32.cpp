#include "app/dialog_art_win32.h"

#include "platform/canvas.h"
#include "resources/ids.h"

namespace {

// GetDpiForWindow came with Windows 10 (1607): looked up by name, so that the program still
// starts on older systems, where the screen's density is the only one.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction DpiForWindow() {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    FARPROC found = user32 ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
    return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(found));
}

HICON LoadIconSized(const char* name, int size) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

// The densities the picture is drawn for, and the nearest one to `dpi` (the lower on a tie).
const char* PictureFor(int dpi) {
    static const struct {
        int dpi;
        const char* name;
    } pictures[] = {{96, "Picture"}, {120, "Picture120"}, {144, "Picture144"}, {168, "Picture168"}, {192, "Picture192"}};
    const char* best = pictures[0].name;
    int distance = dpi > 96 ? dpi - 96 : 96 - dpi;
    for (const auto& picture : pictures) {
        const int d = dpi > picture.dpi ? dpi - picture.dpi : picture.dpi - dpi;
        if (d < distance) {
            distance = d;
            best = picture.name;
        }
    }
    return best;
}

// Each image given to a window replaces one it held, which is no longer shown and goes back.
void Replace(HICON old, HICON now) {
    if (old && old != now) DestroyIcon(old);
}

void SetWindowIcons(HWND dialog, int dpi) {
    for (WPARAM which : {ICON_BIG, ICON_SMALL}) {
        HICON icon = LoadIconSized("Ic0", CanvasScaled(which == ICON_BIG ? 32 : 16, dpi));
        Replace(reinterpret_cast<HICON>(SendMessageA(dialog, WM_SETICON, which, reinterpret_cast<LPARAM>(icon))), icon);
    }
}

}  // namespace

int WindowDpi(HWND window) {
    if (GetDpiForWindowFunction function = DpiForWindow()) {
        if (UINT dpi = function(window)) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

void UseArtForDpi(HWND dialog, int dpi, bool atStart) {
    SetWindowIcons(dialog, dpi);
    if (atStart && dpi == 96) return;
    HANDLE picture = LoadImageA(GetModuleHandleA(nullptr), PictureFor(dpi), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    if (picture) {
        auto old = reinterpret_cast<HGDIOBJ>(
            SendDlgItemMessageA(dialog, IDC_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
        if (old && old != picture) DeleteObject(old);
    }
    if (HICON icon = LoadIconSized("IcY0", CanvasScaled(32, dpi))) {
        auto old = reinterpret_cast<HICON>(
            SendDlgItemMessageA(dialog, IDC_LAUNCH_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
        Replace(old, icon);
    }
}
