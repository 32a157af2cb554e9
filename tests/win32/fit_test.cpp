// Every word fits its control: the main dialog, the Tools edition dialog and the Gravity and air
// dialog are made in this process in each language, and each static, button and check box text is measured in the
// control's own font against the room the control gives it. scripts/wine/fit.sh runs these
// tests at 96, 144 and 192 dots per inch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/conditions_dialog.h"
#include "app/main_dialog_win32.h"
#include "about/about.h"
#include "about/about_window.h"
#include "about/about_window_win32.h"
#include "platform/dialog_win32.h"
#include "resources/ids.h"
#include "text/conditions_text.h"
#include "text/words.h"
#include "tools/tools_dialog.h"

namespace {

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

struct Cut {
    int id;
    std::string text;
    int needed, room;  // pixels
};

// The room a control leaves its text, in pixels: a push button keeps a border and a margin on
// each side, a check box or radio button its box and the gap after it, a group box a margin
// at each end of its title; a static all its width.
int Room(HWND control, const RECT& client) {
    char name[16] = "";
    GetClassNameA(control, name, sizeof name);
    const int width = client.right - client.left;
    if (lstrcmpiA(name, "Button") != 0) return width;
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    const int edge = GetSystemMetrics(SM_CXEDGE);
    switch (type) {
        case BS_GROUPBOX: return width - 2 * MulDiv(8, SystemDpi(), 96);
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return width - GetSystemMetrics(SM_CXMENUCHECK) - MulDiv(4, SystemDpi(), 96);
        default: return width - 2 * edge - 2;
    }
}

// The texts of the dialog's statics and buttons that do not fit; the status line (which wraps
// onto its two lines), pictures, icons and frames without text are left out.
std::vector<Cut> CutTexts(HWND dialog) {
    std::vector<Cut> cuts;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        char name[16] = "", text[256] = "";
        GetClassNameA(control, name, sizeof name);
        GetWindowTextA(control, text, sizeof text);
        const int id = GetDlgCtrlID(control);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const bool isStatic = lstrcmpiA(name, "Static") == 0, isButton = lstrcmpiA(name, "Button") == 0;
        if ((!isStatic && !isButton) || !text[0] || id == IDC_STATUS) continue;
        if (isStatic && (style & SS_TYPEMASK) != SS_LEFT && (style & SS_TYPEMASK) != SS_SIMPLE) continue;
        RECT client, extent = {0, 0, 0, 0};
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        const UINT prefix = isStatic && (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        DrawTextA(dc, text, -1, &extent, DT_CALCRECT | DT_SINGLELINE | prefix);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        const int room = Room(control, client);
        if (extent.right > room) cuts.push_back({id, text, static_cast<int>(extent.right), room});
    }
    return cuts;
}

// The lines of the dialog's list boxes that are wider than the list leaves them.
std::vector<Cut> CutListLines(HWND dialog) {
    std::vector<Cut> cuts;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        char name[16] = "";
        GetClassNameA(control, name, sizeof name);
        if (lstrcmpiA(name, "ListBox") != 0) continue;
        RECT client;
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        const int count = static_cast<int>(SendMessageA(control, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = "";
            SendMessageA(control, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            RECT extent = {0, 0, 0, 0};
            DrawTextA(dc, text, -1, &extent, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            // A list line is drawn two pixels in from the list's client edge.
            const int room = client.right - client.left - 2 * 2;
            if (extent.right > room) cuts.push_back({GetDlgCtrlID(control), text, static_cast<int>(extent.right), room});
        }
        SelectObject(dc, old);
        ReleaseDC(control, dc);
    }
    return cuts;
}

std::string Describe(const std::vector<Cut>& cuts) {
    std::string out;
    for (const Cut& cut : cuts)
        out += "\n  control " + std::to_string(cut.id) + " \"" + cut.text + "\": " + std::to_string(cut.needed) +
               " pixels in " + std::to_string(cut.room);
    return out;
}

INT_PTR CALLBACK ToolsProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) InitToolsDialog(DialogOf(dialog), *reinterpret_cast<ToolsDialog*>(lParam));
    return FALSE;
}

// Opens the dialog of that template, modeless, and expects no text of it cut.
void ExpectEveryTextWhole(const char* templateName, DLGPROC procedure, LPARAM parameter, int language) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), templateName, nullptr, procedure, parameter);
    ASSERT_NE(dialog, nullptr) << templateName;
    const std::vector<Cut> cuts = CutTexts(dialog);
    EXPECT_TRUE(cuts.empty()) << templateName << " in language " << language << " at " << SystemDpi() << " dpi:"
                              << Describe(cuts);
    DestroyWindow(dialog);
}

TEST(Fit, MainDialogInEveryLanguage) {
    for (int language = 0; language < kLanguageCount; ++language) {
        AppState state;
        state.languageIndex = language;
        ExpectEveryTextWhole("DlgMain", MainDialogProc, reinterpret_cast<LPARAM>(&state), language);
    }
}

TEST(Fit, ToolsEditionInEveryLanguage) {
    for (int language = 0; language < kLanguageCount; ++language) {
        ToolList list;
        std::string browsePath;
        ToolsDialog state;
        state.list = &list;
        state.browsePath = &browsePath;
        state.language = language;
        ExpectEveryTextWhole("DlgTools", ToolsProc, reinterpret_cast<LPARAM>(&state), language);
    }
}

// The Gravity and air dialog runs modally: a timer in its message loop measures it as it opens
// with a ball in the air, again with a value that leaves k unknown (the summary's longest
// words), and cancels it.
std::vector<std::string> conditionsCuts;
int conditionsLanguage = 0;

void CALLBACK CheckConditionsDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND dialog = FindWindowA("#32770", Say(Word::ConditionsTitle, conditionsLanguage));
    if (!dialog) {
        conditionsCuts.push_back(std::to_string(conditionsLanguage) + ": no dialog");
        return;
    }
    auto note = [](const char* when, const std::vector<Cut>& cuts) {
        if (!cuts.empty())
            conditionsCuts.push_back("language " + std::to_string(conditionsLanguage) + " " + when + " at " +
                                     std::to_string(SystemDpi()) + " dpi:" + Describe(cuts));
    };
    note("with a ball", CutTexts(dialog));
    note("in its lists", CutListLines(dialog));
    SetDlgItemTextA(dialog, IDC_COND_MASS, "0");
    note("with a mass of 0", CutTexts(dialog));
    PostMessageA(dialog, WM_COMMAND, IDC_COND_CANCEL, 0);
}

TEST(Fit, ConditionsDialogInEveryLanguage) {
    conditionsCuts.clear();
    for (conditionsLanguage = 0; conditionsLanguage < kLanguageCount; ++conditionsLanguage) {
        // The longest ball's name, and the longest world's, selected.
        Conditions conditions = WorldConditions(3);
        PutBall(conditions, 4);
        SetTimer(nullptr, 0, 50, CheckConditionsDialog);
        EXPECT_FALSE(ChooseConditions(DialogOf(nullptr), conditions, conditionsLanguage));
    }
    EXPECT_EQ(conditionsCuts, std::vector<std::string>());
}

// The About window draws its texts at fixed pixels in a window 312 pixels wide, in a font of
// 16 by 6 pixels: each text of each language stays inside.
TEST(Fit, AboutWindowInEveryLanguage) {
    RECT frame = {0, 0, 312, 240};
    AdjustWindowRect(&frame, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE);
    const int clientWidth = 312 - ((frame.right - frame.left) - 312);
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontA(16, 6, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "arial");
    HGDIOBJ old = SelectObject(dc, font);
    for (int language = 0; language < kLanguageCount; ++language) {
        for (const AboutText& text : AboutTexts(Say(Word::AboutTitle, language), "2026", language, kMakerMail)) {
            SIZE size = {};
            GetTextExtentPoint32A(dc, text.text.c_str(), static_cast<int>(text.text.size()), &size);
            EXPECT_LE(text.x + size.cx, clientWidth) << language << " \"" << text.text << "\"";
        }
    }
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
}

// The About window's button holds its word, whichever the language and the density.
std::vector<std::string> aboutCuts;
int aboutLanguage = 0;

void CALLBACK CheckAboutButton(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND about = AboutWindow();
    if (!about) return;
    HWND button = GetDlgItem(about, 1);
    char text[64] = "";
    GetWindowTextA(button, text, sizeof text);
    RECT client, extent = {0, 0, 0, 0};
    GetClientRect(button, &client);
    HDC dc = GetDC(button);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text, -1, &extent, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    if (extent.right > Room(button, client))
        aboutCuts.push_back(std::to_string(aboutLanguage) + " \"" + text + "\" " + std::to_string(extent.right) + " in " +
                            std::to_string(Room(button, client)));
    PostMessageA(about, WM_CLOSE, 0, 0);
}

TEST(Fit, AboutButtonInEveryLanguage) {
    aboutCuts.clear();
    // Each opening draws one of the seven words at random: enough openings see them all.
    for (aboutLanguage = 0; aboutLanguage < kLanguageCount; ++aboutLanguage) {
        for (int opening = 0; opening < 12; ++opening) {
            SetTimer(nullptr, 0, 50, CheckAboutButton);
            RunAbout("Ovanta", "", aboutLanguage);
            Sleep(16);  // a new tick count, a new word
        }
    }
    EXPECT_EQ(aboutCuts, std::vector<std::string>()) << SystemDpi() << " dpi";
}

}  // namespace
