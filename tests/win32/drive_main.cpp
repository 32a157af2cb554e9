// ovanta_drive: drives the running Ovanta.exe through a list of steps, as a user would, for the
// screenshots of `make run` and of the user guide.
// Usage: ovanta_drive STEP...
//   only:P,Q        tick exactly the boxes of parameters P and Q (1 Vo ... 7 T)
//   set:ID=TEXT     type TEXT into the control with that id (107 is the launch height)
//   accept          press Accept and wait for the results
//   point:K=VALUE   type VALUE into point field K (1 x, 2 y, 3 Vy, 4 |V|, 5 t) and press its Accept
//   hover:F         move the pointer over the drawing area, at fraction F of its width, mid-height
//   click:F         the same, and a left click there (a double click with dclick:F)
//   key:NAME        press a key: F5, ESC
//   wait:MS         wait that many milliseconds
//   shot:PATH.bmp   save a picture of the dialog
//   menu:ID         choose the menu command with that id (302 Copy case, 303 Export path table,
//                   304 Save plot picture...)
//   saveas:PATH     answer the open save dialog with PATH (a Windows path) and press Save
//   menubar:LETTER  open the menu of the menu bar with that underlined letter, as Alt+LETTER does
//   escape          press Esc (twice: a menu open is closed, and the menu bar left)
//   copy            File > Copy case, waiting until the clipboard has changed
//   clipboard:PATH  write the clipboard's text into PATH.txt, its bitmap into PATH.bmp, its
//                   metafile into PATH.emf and that metafile played at the bitmap's size into
//                   PATH-emf.bmp
//   fields:PATH     write the dialog's field texts, one "id<TAB>text" line each
//   air:B[,PATH]    Info > Gravity and air: the air on with ball B (0 baseball ... 6 shot
//                   put; -1 turns the air off), a picture of that dialog into PATH.bmp if given,
//                   then OK and wait for the case on screen, if any, solved again
//   press:ID        press the button with that id, without waiting for anything
//   print:ID        write the text of the control with that id on standard output, on a line
//   front:PATH.bmp  save a picture of the program's other window that is open (the Tools edition
//                   dialog, a message box, the About window), then close it
//   close           end the program
#include <cstdio>
#include <cstring>
#include <string>

#include "resources/ids.h"
#include "tests/win32/driver.h"

namespace {

bool AnswerSaveDialog(HWND dialog, const std::string& path) {
    const MessageBoxSeen box = WaitMessageBox(dialog);
    if (!box.window || !SaveDialogNameField(box.window)) return false;
    PressSaveAs(box.window, path);
    return WaitFor([&] { return !IsWindow(box.window) && IsWindowEnabled(dialog); });
}

bool WriteBytes(const std::string& path, const void* data, size_t size) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    const bool written = std::fwrite(data, 1, size, out) == size;
    return std::fclose(out) == 0 && written;
}

// What the program put on the clipboard, as files: the text, the bitmap with a file header
// before it, the metafile.
bool SaveClipboard(const std::string& path) {
    if (!WaitFor([] { return OpenClipboard(nullptr) != 0; })) return false;
    bool ok = true;
    if (HANDLE text = GetClipboardData(CF_TEXT)) {
        const char* chars = static_cast<const char*>(GlobalLock(text));
        ok &= WriteBytes(path + ".txt", chars, std::strlen(chars));
        GlobalUnlock(text);
    }
    if (HANDLE dib = GetClipboardData(CF_DIB)) {
        const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + header->biSize;
        file.bfSize = static_cast<DWORD>(sizeof file + GlobalSize(dib));
        std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
        bytes.append(reinterpret_cast<const char*>(header), GlobalSize(dib));
        ok &= WriteBytes(path + ".bmp", bytes.data(), bytes.size());
        GlobalUnlock(dib);
    }
    if (HANDLE metafile = GetClipboardData(CF_ENHMETAFILE)) {
        std::string bytes(GetEnhMetaFileBits(static_cast<HENHMETAFILE>(metafile), 0, nullptr), '\0');
        GetEnhMetaFileBits(static_cast<HENHMETAFILE>(metafile), static_cast<UINT>(bytes.size()),
                           reinterpret_cast<BYTE*>(bytes.data()));
        ok &= WriteBytes(path + ".emf", bytes.data(), bytes.size());
        ENHMETAHEADER header = {};
        GetEnhMetaFileHeader(static_cast<HENHMETAFILE>(metafile), sizeof header, &header);
        const Capture played = RenderMetafile(static_cast<HENHMETAFILE>(metafile), header.rclBounds.right + 1,
                                              header.rclBounds.bottom + 1);
        ok &= SaveCaptureBitmap(played, path + "-emf.bmp");
    }
    CloseClipboard();
    return ok;
}

// A visible top-level window of the program other than its main dialog, once one is open.
HWND OtherWindow(HWND dialog) {
    struct Search {
        HWND dialog;
        DWORD process;
        HWND found;
    } search = {dialog, 0, nullptr};
    GetWindowThreadProcessId(dialog, &search.process);
    WaitFor([&] {
        search.found = nullptr;
        EnumWindows(
            [](HWND window, LPARAM data) {
                auto* s = reinterpret_cast<Search*>(data);
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                if (window == s->dialog || process != s->process || !IsWindowVisible(window)) return TRUE;
                s->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, 5000);
    return search.found;
}

bool ChooseBall(HWND dialog, int ball, const std::string& shot) {
    const std::string before = FieldText(dialog, IDC_VALUE_BASE + 5);
    Command(dialog, IDM_CONDITIONS);
    HWND box = OtherWindow(dialog);
    if (!box) return false;
    if (IsChecked(box, IDC_COND_AIR) != (ball >= 0)) Click(box, IDC_COND_AIR);
    WaitFor([&] { return IsChecked(box, IDC_COND_AIR) == (ball >= 0); }, 2000);
    if (ball >= 0) {
        HWND list = GetDlgItem(box, IDC_COND_BALL);
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(ball), 0);
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_COND_BALL, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    }
    Sleep(200);
    if (!shot.empty() && !SaveWindowBitmap(box, shot)) return false;
    Click(box, IDC_COND_OK);
    WaitFor([&] { return !IsWindow(box); }, 5000);
    WaitFor([&] { return FieldText(dialog, IDC_VALUE_BASE + 5) != before; }, before.empty() ? 0 : 5000);
    Sleep(200);
    return true;
}

bool Step(HWND dialog, const std::string& step) {
    std::string verb = step.substr(0, step.find(':'));
    std::string rest = step.find(':') == std::string::npos ? "" : step.substr(step.find(':') + 1);
    if (verb == "only") {
        // Untick first, so that ticking never meets a third box.
        for (bool tick : {false, true}) {
            for (int p = 1; p <= 7; ++p) {
                const int box = IDC_GIVEN_BASE + p;
                const bool wanted = rest.find(char('0' + p)) != std::string::npos;
                if (wanted == tick && IsChecked(dialog, box) != wanted) {
                    Click(dialog, box);
                    WaitFor([&] { return IsChecked(dialog, box) == wanted; }, 2000);
                }
            }
        }
        return true;
    }
    if (verb == "set") {
        int id = std::stoi(rest.substr(0, rest.find('=')));
        TypeInto(dialog, id, rest.substr(rest.find('=') + 1));
        return true;
    }
    if (verb == "accept") {
        std::string before;
        for (int p = 1; p <= 7; ++p) before += FieldText(dialog, IDC_VALUE_BASE + p) + '|';
        Click(dialog, IDC_ACCEPT);
        WaitFor([&] {
            std::string after;
            for (int p = 1; p <= 7; ++p) after += FieldText(dialog, IDC_VALUE_BASE + p) + '|';
            return after != before;
        }, 3000);
        Sleep(200);
        return true;
    }
    if (verb == "point") {
        int k = std::stoi(rest.substr(0, rest.find('=')));
        TypeInto(dialog, IDC_POINT_BASE + k, rest.substr(rest.find('=') + 1));
        Click(dialog, IDC_POINT_ACCEPT);
        WaitFor([&] { return !IsEnabledField(dialog, IDC_POINT_ACCEPT); }, 3000);
        Sleep(200);
        return true;
    }
    if (verb == "hover" || verb == "click" || verb == "dclick") {
        const POINT at = ControlPoint(dialog, IDC_PLOT, std::stod(rest), 0.5);
        if (verb == "hover") MovePointer(at);
        else ClickAt(at, verb == "dclick");
        Sleep(300);
        return true;
    }
    if (verb == "key") {
        PressKey(rest == "ESC" ? VK_ESCAPE : VK_F5);
        Sleep(100);
        return true;
    }
    if (verb == "wait") {
        Sleep(static_cast<DWORD>(std::stoi(rest)));
        return true;
    }
    if (verb == "shot") {
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(300);
        return SaveWindowBitmap(dialog, rest);
    }
    if (verb == "menu") {
        Command(dialog, std::stoi(rest));
        return true;
    }
    if (verb == "saveas") return AnswerSaveDialog(dialog, rest);
    if (verb == "menubar") {
        PostMessageA(dialog, WM_SYSCOMMAND, SC_KEYMENU, rest.empty() ? 0 : rest[0]);
        Sleep(500);
        return true;
    }
    if (verb == "escape") {
        for (int i = 0; i < 2; ++i) {
            PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1);
            PostMessageA(dialog, WM_KEYUP, VK_ESCAPE, 0xC0000001);
        }
        Sleep(300);
        return true;
    }
    if (verb == "copy") {
        const DWORD before = GetClipboardSequenceNumber();
        Command(dialog, IDM_COPY_CASE);
        return WaitFor([&] { return GetClipboardSequenceNumber() != before; });
    }
    if (verb == "clipboard") return SaveClipboard(rest);
    if (verb == "fields") {
        FILE* out = std::fopen(rest.c_str(), "wb");
        if (!out) return false;
        const int ids[] = {100, 101, 102, 103, 104, 105, 106, 107, 110, 111, 112, 113, 114, 160, 161, 162, 170};
        for (int id : ids) std::fprintf(out, "%d\t%s\n", id, FieldText(dialog, id).c_str());
        return std::fclose(out) == 0;
    }
    if (verb == "air") return ChooseBall(dialog, std::stoi(rest), rest.find(',') == std::string::npos ? "" : rest.substr(rest.find(',') + 1));
    if (verb == "press") {
        Click(dialog, std::stoi(rest));
        return true;
    }
    if (verb == "print") {
        std::printf("%s\n", FieldText(dialog, std::stoi(rest)).c_str());
        return std::fflush(stdout) == 0;
    }
    if (verb == "front") {
        HWND window = OtherWindow(dialog);
        if (!window) return false;
        Sleep(500);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(300);
        const bool saved = SaveWindowBitmap(window, rest);
        PostMessageA(window, WM_CLOSE, 0, 0);
        WaitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }, 3000);
        return saved;
    }
    if (verb == "close") {
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        return true;
    }
    std::fprintf(stderr, "ovanta_drive: unknown step %s\n", step.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    HWND dialog = WaitDialog("Ovanta shot", 20000);
    if (!dialog) {
        std::fprintf(stderr, "ovanta_drive: no Ovanta shot dialog\n");
        return 1;
    }
    for (int i = 1; i < argc; ++i)
        if (!Step(dialog, argv[i])) return 1;
    return 0;
}
