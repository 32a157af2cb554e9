// Drives a running Ovanta.exe from another process, as a user would: typing, clicking, reading
// fields and answering message boxes. Every wait polls with a deadline.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

// Unix path of the program under test from the environment variable `name`, as a Windows path.
std::string ProgramPath(const char* name);

// Starts a program; returns false if it could not be started.
bool StartProgram(const std::string& path, PROCESS_INFORMATION& process,
                  const char* directory = nullptr);
// Starts the program under test (OVANTA_EXE) in `directory` and waits for its main dialog;
// null when it did not start or its dialog did not show.
HWND StartOvanta(PROCESS_INFORMATION& process, const char* directory = nullptr);
// Waits for the process to end; returns its exit code, or -1 on time-out.
int WaitExit(PROCESS_INFORMATION& process, DWORD milliseconds = 10000);

// The visible top-level dialog with this caption, or null after the time-out.
HWND WaitDialog(const char* caption, DWORD milliseconds = 10000);

std::string TextOf(HWND window);
std::string FieldText(HWND dialog, int id);
void SetText(HWND dialog, int id, const std::string& text);
bool IsChecked(HWND dialog, int id);
bool IsEnabledField(HWND dialog, int id);

// Clicks, then the text is typed character by character, replacing what the field held.
void TypeInto(HWND dialog, int id, const std::string& text);
// Pastes the text into the edit through the clipboard, as Ctrl+V does.
void PasteInto(HWND dialog, int id, const std::string& text);
void Click(HWND dialog, int id);     // a push button or check box, posted
void Command(HWND dialog, int id);   // WM_COMMAND with that id, posted (menu commands)

// Waits until `condition` holds; false after the time-out.
template <typename Condition>
bool WaitFor(Condition condition, DWORD milliseconds = 5000) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(10);
    }
    return true;
}

// The message box owned by `owner`, once visible; window is null after the time-out.
MessageBoxSeen WaitMessageBox(HWND owner, DWORD milliseconds = 5000);
void PressButton(HWND box, int id);  // IDOK, IDYES, IDNO...

// The file-name field of a save dialog: the combo box of the Explorer-style dialog, or a
// plain edit; null when there is none.
HWND SaveDialogNameField(HWND box);
// Types `path` as the file name and presses Save (posted; the dialog may ask before it ends).
void PressSaveAs(HWND box, const std::string& path);

// Names outside the ANSI code page, which the ANSI calls would turn into look-alikes or '?'.
// The same with a wide-character path, every letter kept.
void PressSaveAsW(HWND box, const std::wstring& path);
// A window's text in UTF-16.
std::wstring WideTextOf(HWND window);
// Starts the program under test (OVANTA_EXE) in the folder `directory` and waits for its dialog.
HWND StartOvantaIn(PROCESS_INFORMATION& process, const std::wstring& directory);
// The names in a folder, "." and ".." left out.
std::vector<std::wstring> FolderNamesW(const std::wstring& folder);

// Real input, as a user gives it: it reaches the window under the pointer, or the focused
// control of the foreground window.
// The screen point at fractions (fx, fy) of the width and height of control `id`'s client area.
POINT ControlPoint(HWND dialog, int id, double fx, double fy);
void MovePointer(POINT screen);  // the pointer moves there
void ClickAt(POINT screen, bool twice = false);  // the left button, once or double
void RightClickAt(POINT screen);
void PressKey(WORD key, bool shift = false);  // a key down and up, with Shift held if asked
// A key held down: down, a repeat `repeatAfter` milliseconds later, then up.
void HoldKey(WORD key, DWORD repeatAfter = 40);
void KeyEvent(WORD key, bool up);  // one key-down (a repeat while held) or key-up
// Popup menus on screen (of any program).
int VisibleMenus();

// The pixels of a window as it is on screen, top row first.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    COLORREF At(int x, int y) const;
};
Capture CaptureWindow(HWND window);

// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);
// A golden file of the native tests, from the folder OVANTA_TEST_DATA names. The folder comes
// from the environment, which Wine hands over in the program's code page: __FILE__ holds the
// source's path in UTF-8, which the file functions misread for a letter outside ASCII.
std::string Golden(const std::string& name);

// Writes the window as it is on screen into a 24-bit BMP file.
bool SaveWindowBitmap(HWND window, const std::string& path);
bool SaveCaptureBitmap(const Capture& capture, const std::string& path);

// A metafile played into a white bitmap of width x height pixels.
Capture RenderMetafile(HENHMETAFILE metafile, int width, int height);
// The pixels of a packed device-independent bitmap of 24 bits (a CF_DIB's memory).
Capture CaptureOfDib(const BITMAPINFOHEADER* header);
