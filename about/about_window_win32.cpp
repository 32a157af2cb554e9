#include "about/about_window_win32.h"

#include <cstdint>
#include <string>

#include "about/about.h"
#include "about/about_window.h"
#include "platform/canvas_win32.h"
#include "platform/dialog_win32.h"
#include "platform/wide_win32.h"
#include "text/message_box.h"
#include "text/number_text.h"

int aboutFontsAlive;

namespace {

constexpr int kButtonId = 1;
const COLORREF kBackground = RGB(255, 255, 178);
const COLORREF kTitleColour = RGB(220, 100, 0);
const COLORREF kTextColour = RGB(0, 100, 250);

std::string aboutTitle;
std::string aboutContact;
std::string progName;
std::string yearText;
std::uint32_t aboutSeed;
int aboutLanguage = 1;
bool initialised;
bool registered;
HWND aboutWindow;
HBRUSH backgroundBrush;

// The window's own device context and the font selected into it. Each change of the
// description makes a new font and deletes the one it replaces.
struct {
    HDC dc;
    LOGFONTA description;
    HFONT font;
} aboutFont;

void ApplyFont() {
    HFONT font = CreateFontIndirectA(&aboutFont.description);
    if (!font) return;
    ++aboutFontsAlive;
    SelectObject(aboutFont.dc, font);
    if (aboutFont.font && DeleteObject(aboutFont.font)) --aboutFontsAlive;
    aboutFont.font = font;
}

void FontSetSize(int height, int width) {
    aboutFont.description.lfHeight = height;
    aboutFont.description.lfWidth = width;
    ApplyFont();
}

void FontSetFace(const char* face) {
    lstrcpynA(aboutFont.description.lfFaceName, face, LF_FACESIZE);
    ApplyFont();
}

void FontSetBold(bool bold) {
    aboutFont.description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    ApplyFont();
}

void DeleteAboutFont() {
    if (aboutFont.font && DeleteObject(aboutFont.font)) --aboutFontsAlive;
    aboutFont = {};
}

void PaintAbout() {
    HDC dc = aboutFont.dc;
    FontSetSize(16, 6);
    FontSetFace("arial");
    FontSetBold(false);
    for (const AboutText& text : AboutTexts(aboutTitle, yearText, aboutLanguage, aboutContact)) {
        SetTextColor(dc, text.colour == AboutColour::Title ? kTitleColour : kTextColour);
        TextOutShort(ContextOf(dc), text.x, text.y, text.text);
    }
    FontSetFace("Comic sans ms");
    FontSetBold(false);
    FontSetSize(36, 16);
    SetTextColor(dc, kTextColour);
    TextOutShort(ContextOf(dc), 60, 10, progName);
}

// The button is 70 pixels wide, enough for every word at 96 dots per inch; on a denser screen
// its font grows and the window does not, so it widens about its middle to hold its word.
void FitAboutButton(HWND window) {
    HWND button = GetDlgItem(window, kButtonId);
    char text[64] = "";
    GetWindowTextA(button, text, sizeof text);
    HDC dc = GetDC(button);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    const int width = size.cx + 2 * GetSystemMetrics(SM_CXEDGE) + 8;
    if (width > 70) SetWindowPos(button, nullptr, 157 - width / 2, 180, width, 24, SWP_NOZORDER | SWP_NOACTIVATE);
}

void InitAbout(HWND window) {
    progName = ProgramName(ProgramFilePath());
    yearText = ProgramFileYear();
    SetWindowCaption(DialogOf(window), AboutCaption(aboutLanguage, progName));
    // The icon is drawn once, here; a repaint redraws the texts only.
    if (HICON icon = LoadIconA(GetModuleHandleA(nullptr), "Ic0")) DrawIcon(aboutFont.dc, 134, 80, icon);
    PaintAbout();
    SetFieldText(DialogOf(window), kButtonId, Interjection(aboutLanguage, InterjectionNumber(aboutSeed)));
    FitAboutButton(window);
    initialised = true;
}

LRESULT CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            InitAbout(window);
            break;
        case WM_PAINT:
            if (initialised) {
                PAINTSTRUCT paint;
                BeginPaint(window, &paint);
                PaintAbout();
                EndPaint(window, &paint);
                return 0;
            }
            break;
        case WM_COMMAND:
            // The button, and Enter or Esc (IDOK, IDCANCEL) through the dialog keys.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) SendMessageA(window, WM_CLOSE, 0, 0);
            break;
        case WM_DESTROY:
            // The font must not stay selected into a context when it is deleted.
            if (aboutFont.dc) SelectObject(aboutFont.dc, GetStockObject(SYSTEM_FONT));
            aboutWindow = nullptr;
            PostMessageA(nullptr, WM_NULL, 0, 0);  // wakes the About loop, which then ends
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool IsDialogWindow(HWND window) {
    char name[8] = "";
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770";
}

void BringToFront(HWND window) {
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    SetActiveWindow(window);
}

}  // namespace

std::string ProgramFilePath() {
    // Wide: a folder named outside the code page (a user's profile, say) keeps its letters.
    wchar_t path[MAX_PATH] = L"";
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? Utf8Of(std::wstring_view(path, length)) : std::string();
}

std::string ProgramFileYear() {
    WIN32_FILE_ATTRIBUTE_DATA data;
    FILETIME local;
    SYSTEMTIME time;
    std::string path = ProgramFilePath();
    if (path.empty() || !GetFileAttributesExW(WideOf(path).c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time))
        return "";
    return IntToText(time.wYear);
}

HWND AboutWindow() { return aboutWindow; }

HWND CreateAboutWindow() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registered) {
        registered = true;
        // The class keeps its brush for the whole run.
        backgroundBrush = CreateSolidBrush(kBackground);
        WNDCLASSA windowClass = {};
        windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
        windowClass.lpfnWndProc = AboutProc;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconA(instance, "Ic0");
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = backgroundBrush;
        windowClass.lpszClassName = "FerSobre";
        if (!RegisterClassA(&windowClass)) {
            ShowMessage(MessageOf(Word::AboutFailedCaption, Word::AboutNotRegistered, aboutLanguage),
                        MessageIcon::Exclamation);
            return nullptr;
        }
    }
    HWND window = CreateWindowExA(0, "FerSobre", "", WS_POPUP | WS_CAPTION | WS_SYSMENU, 400, 200, 312,
                                  240, nullptr, nullptr, instance, nullptr);
    if (!window) {
        ShowMessage(MessageOf(Word::AboutFailedCaption, Word::AboutNotCreated, aboutLanguage),
                    MessageIcon::Exclamation);
        return nullptr;
    }
    aboutWindow = window;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    // The button shows the interjection of this opening from the start.
    const char* caption = Interjection(aboutLanguage, InterjectionNumber(aboutSeed));
    HWND button = CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                  122, 180, 70, 24, window, reinterpret_cast<HMENU>(kButtonId), instance,
                                  nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SetFocus(button);
    aboutFont.dc = GetDC(window);
    aboutFont.description = {};
    aboutFont.description.lfHeight = 16;
    aboutFont.description.lfWidth = 6;
    lstrcpynA(aboutFont.description.lfFaceName, "arial", LF_FACESIZE);
    SetBkColor(aboutFont.dc, kBackground);
    SetTextColor(aboutFont.dc, kTextColour);
    return window;
}

void RunAbout(std::string_view title, std::string_view contact, int language) {
    if (aboutWindow) {
        BringToFront(aboutWindow);
        return;
    }
    aboutSeed = GetTickCount();
    aboutLanguage = language;
    initialised = false;
    aboutTitle = title;
    aboutContact = contact;
    HWND window = CreateAboutWindow();
    if (!window) return;
    SendMessageA(window, WM_INITDIALOG, 0, 0);
    // Every message of the thread goes through here while the window is open, so the main
    // dialog keeps working, with its keyboard navigation, and the window answers Enter and Esc.
    MSG message;
    while (aboutWindow) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
            break;
        }
        HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (root && (root == aboutWindow || IsDialogWindow(root)) && IsDialogMessageA(root, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (aboutWindow) DestroyWindow(aboutWindow);
    DeleteAboutFont();
}

void ShowAbout(std::string_view title, int language) { RunAbout(title, kMakerMail, language); }
