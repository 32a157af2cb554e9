#include "tests/win32/driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
    return static_cast<LRESULT>(result);
}

struct FindBox {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedBox(HWND window, LPARAM lParam) {
    auto* find = reinterpret_cast<FindBox*>(lParam);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && GetWindow(window, GW_OWNER) == find->owner &&
        IsWindowVisible(window)) {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string ProgramPath(const char* name) {
    const char* unixPath = std::getenv(name);
    std::string path = unixPath ? unixPath : "";
    if (!path.empty() && path[0] == '/') {
        path = "Z:" + path;
        for (char& c : path)
            if (c == '/') c = '\\';
    }
    return path;
}

bool StartProgram(const std::string& path, PROCESS_INFORMATION& process, const char* directory) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + path + "\"";
    return CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          directory, &startup, &process) != 0;
}

HWND StartOvanta(PROCESS_INFORMATION& process, const char* directory) {
    if (!StartProgram(ProgramPath("OVANTA_EXE"), process, directory)) return nullptr;
    return WaitDialog("Ovanta shot");
}

int WaitExit(PROCESS_INFORMATION& process, DWORD milliseconds) {
    if (WaitForSingleObject(process.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<int>(code);
}

HWND WaitDialog(const char* caption, DWORD milliseconds) {
    HWND dialog = nullptr;
    WaitFor([&] {
        dialog = FindWindowA("#32770", caption);
        return dialog && IsWindowVisible(dialog);
    }, milliseconds);
    return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

std::string TextOf(HWND window) {
    char buffer[1024] = "";
    Send(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::string FieldText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

void SetText(HWND dialog, int id, const std::string& text) {
    Send(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsChecked(HWND dialog, int id) {
    return Send(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabledField(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

void TypeInto(HWND dialog, int id, const std::string& text) {
    HWND edit = GetDlgItem(dialog, id);
    PostMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PostMessageA(edit, EM_SETSEL, 0, -1);
    for (unsigned char c : text) PostMessageA(edit, WM_CHAR, c, 1);
    if (text.empty()) PostMessageA(edit, WM_CHAR, VK_BACK, 1);
    WaitFor([&] { return FieldText(dialog, id) == text; }, 3000);
}

void PasteInto(HWND dialog, int id, const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) return;
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    CloseClipboard();
    HWND edit = GetDlgItem(dialog, id);
    Send(edit, EM_SETSEL, 0, -1);
    Send(edit, WM_PASTE, 0, 0);
}

void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void Command(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

MessageBoxSeen WaitMessageBox(HWND owner, DWORD milliseconds) {
    MessageBoxSeen seen;
    WaitFor([&] {
        FindBox find = {owner, nullptr};
        EnumWindows(FindOwnedBox, reinterpret_cast<LPARAM>(&find));
        seen.window = find.found;
        return seen.window != nullptr;
    }, milliseconds);
    if (seen.window) {
        seen.caption = TextOf(seen.window);
        seen.text = FieldText(seen.window, 0xFFFF);
    }
    return seen;
}

void PressButton(HWND box, int id) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 3000);
}

HWND SaveDialogNameField(HWND box) {
    HWND name = GetDlgItem(box, 0x47C);
    return name ? name : GetDlgItem(box, 0x480);
}

void PressSaveAs(HWND box, const std::string& path) {
    Send(SaveDialogNameField(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void PressSaveAsW(HWND box, const std::wstring& path) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(SaveDialogNameField(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                        SMTO_ABORTIFHUNG, 2000, &result);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

std::wstring WideTextOf(HWND window) {
    wchar_t buffer[1024] = L"";
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, &result);
    return buffer;
}

HWND StartOvantaIn(PROCESS_INFORMATION& process, const std::wstring& directory) {
    const std::string program = ProgramPath("OVANTA_EXE");
    const std::wstring path(program.begin(), program.end());  // the build's path is ASCII
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                        &startup, &process))
        return nullptr;
    return WaitDialog("Ovanta shot");
}

std::vector<std::wstring> FolderNamesW(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

POINT ControlPoint(HWND dialog, int id, double fx, double fy) {
    HWND control = GetDlgItem(dialog, id);
    RECT client = {};
    GetClientRect(control, &client);
    POINT at = {static_cast<LONG>(client.right * fx), static_cast<LONG>(client.bottom * fy)};
    ClientToScreen(control, &at);
    return at;
}

namespace {

void SendMouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

}  // namespace

void MovePointer(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    SendMouse(MOUSEEVENTF_MOVE);  // a move of nothing: the window under the pointer hears of it
}

void ClickAt(POINT screen, bool twice) {
    MovePointer(screen);
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
    }
}

void RightClickAt(POINT screen) {
    MovePointer(screen);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
}

void PressKey(WORD key, bool shift) {
    if (shift) SendKey(VK_SHIFT, false);
    SendKey(key, false);
    SendKey(key, true);
    if (shift) SendKey(VK_SHIFT, true);
}

void HoldKey(WORD key, DWORD repeatAfter) {
    SendKey(key, false);
    Sleep(repeatAfter);
    SendKey(key, false);
    Sleep(repeatAfter);
    SendKey(key, true);
}

void KeyEvent(WORD key, bool up) { SendKey(key, up); }

int VisibleMenus() {
    int menus = 0;
    for (HWND menu = nullptr; (menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) != nullptr;)
        menus += IsWindowVisible(menu) != 0;
    return menus;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Golden(const std::string& name) { return ReadFile(ProgramPath("OVANTA_TEST_DATA") + "\\" + name); }

Capture CaptureWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    Capture capture;
    capture.width = r.right - r.left;
    capture.height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, capture.width, capture.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, capture.width, capture.height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = capture.width;
    info.biHeight = -capture.height;  // top-down rows
    info.biPlanes = 1;
    info.biBitCount = 32;
    capture.pixels.resize(static_cast<size_t>(capture.width) * capture.height);
    GetDIBits(memory, bitmap, 0, capture.height, capture.pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}

COLORREF Capture::At(int x, int y) const {
    const std::uint32_t p = pixels[static_cast<size_t>(y) * width + x];  // 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool SaveWindowBitmap(HWND window, const std::string& path) { return SaveCaptureBitmap(CaptureWindow(window), path); }

bool SaveCaptureBitmap(const Capture& capture, const std::string& path) {
    const int width = capture.width, height = capture.height;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<size_t>(stride) * height);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = &pixels[static_cast<size_t>(height - 1 - y) * stride];  // bottom-up
        for (int x = 0; x < width; ++x) {
            const COLORREF c = capture.At(x, y);
            row[3 * x] = GetBValue(c);
            row[3 * x + 1] = GetGValue(c);
            row[3 * x + 2] = GetRValue(c);
        }
    }
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1 &&
              std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    return std::fclose(out) == 0 && ok;
}

Capture RenderMetafile(HENHMETAFILE metafile, int width, int height) {
    Capture capture;
    capture.width = width;
    capture.height = height;
    capture.pixels.assign(static_cast<size_t>(width) * height, 0);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, width, height, WHITENESS);
    RECT all = {0, 0, width, height};
    PlayEnhMetaFile(memory, metafile, &all);
    GdiFlush();
    std::memcpy(capture.pixels.data(), bits, capture.pixels.size() * 4);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return capture;
}

Capture CaptureOfDib(const BITMAPINFOHEADER* header) {
    Capture capture;
    capture.width = header->biWidth;
    capture.height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    if (header->biBitCount != 24) return capture;
    const int stride = (capture.width * 3 + 3) & ~3;
    const auto* rows = reinterpret_cast<const unsigned char*>(header) + header->biSize;
    capture.pixels.resize(static_cast<size_t>(capture.width) * capture.height);
    for (int y = 0; y < capture.height; ++y) {
        const int row = header->biHeight > 0 ? capture.height - 1 - y : y;  // bottom-up unless negative
        for (int x = 0; x < capture.width; ++x) {
            const unsigned char* p = rows + static_cast<size_t>(row) * stride + 3 * x;
            capture.pixels[static_cast<size_t>(y) * capture.width + x] = p[2] << 16 | p[1] << 8 | p[0];
        }
    }
    return capture;
}
