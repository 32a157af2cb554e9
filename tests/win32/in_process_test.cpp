// The main dialog created inside this test process from the program's own objects and
// resources: what cannot be read from another process under Wine (menus, fonts), and the
// message boxes caught as they open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/main_dialog_win32.h"
#include "physics/motion.h"
#include "resources/ids.h"

namespace {

struct SeenBox {
    std::string caption, text;
    HWND owner;
};
std::vector<SeenBox> seenBoxes;
HHOOK hook;

// Each message box is read and closed with OK as it activates.
LRESULT CALLBACK CatchBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[16] = "", caption[256] = "", text[256] = "";
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770" && GetDlgItem(window, 0xFFFF)) {
            GetWindowTextA(window, caption, sizeof caption);
            GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
            seenBoxes.push_back({caption, text, GetWindow(window, GW_OWNER)});
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

class InProcess : public testing::Test {
protected:
    void SetUp() override {
        seenBoxes.clear();
        hook = SetWindowsHookExA(WH_CBT, CatchBoxes, nullptr, GetCurrentThreadId());
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), "DlgMain", nullptr, MainDialogProc,
                                     reinterpret_cast<LPARAM>(&state_));
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        UnhookWindowsHookEx(hook);
    }
    void Command(int id) { SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    std::string Text(int id) {
        char buffer[256] = "";
        GetDlgItemTextA(dialog_, id, buffer, sizeof buffer);
        return buffer;
    }
    AppState state_;
    HWND dialog_ = nullptr;
};

std::string MenuText(HMENU menu, UINT position) {
    char buffer[64] = "";
    GetMenuStringA(menu, position, buffer, sizeof buffer, MF_BYPOSITION);
    return buffer;
}

TEST_F(InProcess, MenuBarAndSaveCaseFollowingTheSolve) {
    HMENU bar = GetMenu(dialog_);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    EXPECT_EQ(MenuText(bar, 0), "&File");
    EXPECT_EQ(MenuText(bar, 1), "&Tools");
    EXPECT_EQ(MenuText(bar, 2), "&Info");
    EXPECT_EQ(MenuText(bar, 3), "&Language");
    HMENU file = GetSubMenu(bar, 0), tools = GetSubMenu(bar, 1), info = GetSubMenu(bar, 2);
    // Save case first and Exit last, after a separator; the ways out of a case in between.
    const struct {
        UINT id;
        const char* text;
    } fileItems[] = {{IDM_SAVE_CASE, "&Save case"},
                     {IDM_COPY_CASE, "&Copy case\tCtrl+C"},
                     {IDM_EXPORT_TABLE, "&Export path table..."},
                     {IDM_SAVE_PICTURE, "Save plot &picture..."},
                     {0, ""},
                     {IDC_EXIT, "E&xit"}};
    ASSERT_EQ(GetMenuItemCount(file), 6);
    for (UINT i = 0; i < 6; ++i) {
        EXPECT_EQ(GetMenuItemID(file, static_cast<int>(i)), fileItems[i].id) << i;
        EXPECT_EQ(MenuText(file, i), fileItems[i].text) << i;
    }
    ASSERT_EQ(GetMenuItemCount(tools), 2);
    EXPECT_EQ(GetMenuItemID(tools, 0), UINT(IDM_TOOLS_EDITION));
    EXPECT_EQ(MenuText(tools, 0), "Tools &edition ");
    EXPECT_EQ(GetMenuItemID(tools, 1), 0u);  // separator
    EXPECT_EQ(GetMenuItemID(info, 0), UINT(IDM_INFO));
    EXPECT_EQ(GetMenuItemID(info, 1), UINT(IDM_ABOUT));
    EXPECT_EQ(MenuText(info, 1), "&About...");
    EXPECT_EQ(GetMenuItemID(info, 3), UINT(IDM_CONDITIONS));
    EXPECT_EQ(MenuText(info, 3), "&Gravity and air...");

    for (UINT i = 0; i < 4; ++i) EXPECT_TRUE(GetMenuState(file, fileItems[i].id, MF_BYCOMMAND) & MF_GRAYED) << i;
    SetDlgItemTextA(dialog_, 100, "20");
    SetDlgItemTextA(dialog_, 101, "45");
    Command(IDC_ACCEPT);
    EXPECT_TRUE(seenBoxes.empty());
    SendMessageA(dialog_, WM_NULL, 0, 0);
    for (UINT i = 0; i < 4; ++i) EXPECT_FALSE(GetMenuState(file, fileItems[i].id, MF_BYCOMMAND) & MF_GRAYED) << i;
}

TEST_F(InProcess, DialogUsesBoldArialAndShowsTheOrdinalSign) {
    auto font = reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
    LOGFONTA description = {};
    ASSERT_TRUE(GetObjectA(font, sizeof description, &description));
    EXPECT_EQ(description.lfWeight, FW_BOLD);
    EXPECT_STREQ(description.lfFaceName, "Arial");
    char caption[64] = "";
    GetWindowTextA(dialog_, caption, sizeof caption);
    EXPECT_STREQ(caption, "Ovanta shot");
    bool ordinalFound = false;
    for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char text[64] = "";
        GetWindowTextA(child, text, sizeof text);
        ordinalFound |= std::string(text) == "angle (\xBA)";
    }
    EXPECT_TRUE(ordinalFound);
}

TEST_F(InProcess, RefusalsAreMessageBoxesOwnedByTheDialog) {
    CheckDlgButton(dialog_, 81, BST_UNCHECKED);
    Command(81);
    Command(IDC_ACCEPT);
    ASSERT_EQ(seenBoxes.size(), 1u);
    EXPECT_EQ(seenBoxes[0].caption, "Insufficient data");
    EXPECT_EQ(seenBoxes[0].text, "2 data are needed");
    EXPECT_EQ(seenBoxes[0].owner, dialog_);

    CheckDlgButton(dialog_, 86, BST_CHECKED);  // Vo with T
    Command(86);
    SetDlgItemTextA(dialog_, 100, "10");
    SetDlgItemTextA(dialog_, 106, "3");
    Command(IDC_ACCEPT);
    ASSERT_EQ(seenBoxes.size(), 2u);
    EXPECT_EQ(seenBoxes[1].caption, "* Errors in the data *");
    EXPECT_EQ(seenBoxes[1].text, "The time cannot overcome 2Vo/g\r\n\r\n");
}

TEST_F(InProcess, NoSolutionIsRefusedAndNothingChanges) {
    // Vo with reach from 50 m below the ground: the checks refuse the reach.
    CheckDlgButton(dialog_, 81, BST_UNCHECKED);
    Command(81);
    CheckDlgButton(dialog_, 84, BST_CHECKED);
    Command(84);
    SetDlgItemTextA(dialog_, IDC_LAUNCH_HEIGHT, "-50");
    SetDlgItemTextA(dialog_, 100, "10");
    SetDlgItemTextA(dialog_, 104, "5");
    Command(IDC_ACCEPT);
    ASSERT_EQ(seenBoxes.size(), 1u);
    EXPECT_EQ(seenBoxes[0].caption, "* Errors in the data *");
    // Vo with the angle passes every check, and from 100 m below the path never comes up.
    CheckDlgButton(dialog_, 84, BST_UNCHECKED);
    Command(84);
    CheckDlgButton(dialog_, 81, BST_CHECKED);
    Command(81);
    SetDlgItemTextA(dialog_, 101, "45");
    SetDlgItemTextA(dialog_, IDC_LAUNCH_HEIGHT, "-100");
    Command(IDC_ACCEPT);
    ASSERT_EQ(seenBoxes.size(), 2u);
    EXPECT_EQ(seenBoxes[1].caption, "No solution");
    EXPECT_EQ(seenBoxes[1].text, "The path never comes down to the ground (y = 0)");
    for (int id : {102, 103, 105, 106}) EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Text(104), "5");  // the reach typed before stays as typed
    EXPECT_FALSE(state_.motionCase.solved);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog_, IDC_POINT_ACCEPT)));
}

// Without a mouse: Tab walks each value with its "data?" box, then the launch height, Accept,
// the point panel once it is enabled, and Exit.
TEST_F(InProcess, TabWalksTheFieldsInReadingOrder) {
    auto walk = [this](int from, int steps) {
        std::vector<int> ids;
        HWND at = GetDlgItem(dialog_, from);
        for (int i = 0; i < steps; ++i) {
            at = GetNextDlgTabItem(dialog_, at, FALSE);
            ids.push_back(GetDlgCtrlID(at));
        }
        return ids;
    };
    EXPECT_EQ(walk(100, 13), (std::vector<int>{80, 101, 81, 82, 83, 84, 85, 86, 107, 3, 2, 100, 80}));
    SetDlgItemTextA(dialog_, 100, "20");
    SetDlgItemTextA(dialog_, 101, "45");
    Command(IDC_ACCEPT);
    EXPECT_EQ(walk(107, 8), (std::vector<int>{3, 110, 111, 112, 113, 114, 5, 2}));
}

// Another window of the program holding the same control ids is active: the main dialog's
// own fields are the ones enabled.
TEST_F(InProcess, EnablingActsOnTheMainDialogNotTheActiveWindow) {
    HWND other = CreateDialogParamA(GetModuleHandleA(nullptr), "DlgMain", nullptr,
                                    [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(other, nullptr);
    ShowWindow(other, SW_SHOW);
    SetActiveWindow(other);
    EnableWindow(GetDlgItem(other, 102), FALSE);
    CheckDlgButton(dialog_, 81, BST_UNCHECKED);
    Command(81);
    CheckDlgButton(dialog_, 82, BST_CHECKED);
    Command(82);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog_, 102)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog_, 101)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(other, 102)));
    DestroyWindow(other);
}

// The Language menu renames the menus where they stand, keeping each item's state, and marks
// the language chosen.
TEST_F(InProcess, LanguageMenuRenamesTheMenusAndKeepsTheirState) {
    HMENU bar = GetMenu(dialog_);
    ASSERT_NE(bar, nullptr);
    auto state = [bar](UINT id) { return GetMenuState(bar, id, MF_BYCOMMAND); };
    EXPECT_TRUE(state(IDM_SAVE_CASE) & MF_GRAYED);
    EXPECT_TRUE(state(IDM_LANGUAGE_EN) & MF_CHECKED);
    Command(IDM_LANGUAGE_ES);
    EXPECT_EQ(MenuText(bar, 0), "&Archivo");
    EXPECT_EQ(MenuText(bar, 3), "&Idioma");
    EXPECT_EQ(MenuText(GetSubMenu(bar, 0), 0), "&Guardar caso");
    EXPECT_EQ(MenuText(GetSubMenu(bar, 2), 3), "Gra&vedad y aire...");
    EXPECT_TRUE(state(IDM_SAVE_CASE) & MF_GRAYED);  // still nothing to save
    EXPECT_TRUE(state(IDM_LANGUAGE_ES) & MF_CHECKED);
    EXPECT_FALSE(state(IDM_LANGUAGE_EN) & MF_CHECKED);
    EXPECT_EQ(Text(IDC_EXIT), "Salir");
    Command(IDM_LANGUAGE_EN);
    EXPECT_EQ(MenuText(bar, 0), "&File");
    EXPECT_EQ(MenuText(GetSubMenu(bar, 1), 0), "Tools &edition ");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Ovanta");
}

}  // namespace
