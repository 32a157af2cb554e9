// Save case and the About window in the real Ovanta.exe under Wine, driven as a user drives
// them, and the parts that can only be seen from inside the process.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "about/about.h"
#include "about/about_window.h"
#include "about/about_window_win32.h"
#include "platform/wide_win32.h"
#include "platform/files.h"
#include "resources/ids.h"
#include "tests/win32/driver.h"

namespace {

const std::set<std::string> kEnglishInterjections = {"Ok", "Ah!", "Oh!", "Bah!", "hum!", "mmm..", "Done"};

std::vector<HWND> WindowsOfClass(const char* className, DWORD processId) {
    struct Search {
        const char* className;
        DWORD processId;
        std::vector<HWND> found;
    } search = {className, processId, {}};
    EnumWindows([](HWND window, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        char name[64] = "";
        DWORD owner = 0;
        GetClassNameA(window, name, sizeof name);
        GetWindowThreadProcessId(window, &owner);
        if (std::string(name) == s->className && (!s->processId || owner == s->processId))
            s->found.push_back(window);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The report is opened with its associated program at the end of a save; whatever the shell
// started for it is closed again.
void CloseViewers() {
    for (const char* viewer : {"Notepad", "WineBrowser"})
        for (HWND window : WindowsOfClass(viewer, 0)) PostMessageA(window, WM_CLOSE, 0, 0);
}

class ReportAbout : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = StartOvanta(process_);
        ASSERT_NE(dialog_, nullptr);
        running_ = true;
    }
    void TearDown() override {
        Sleep(200);
        CloseViewers();
        if (!running_) return;
        for (HWND about : WindowsOfClass("FerSobre", process_.dwProcessId)) PostMessageA(about, WM_CLOSE, 0, 0);
        PostMessageA(dialog_, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitExit(process_, 5000), 0);
    }
    void Solve(const char* vo, const char* angle) {
        TypeInto(dialog_, IDC_VALUE_BASE + 1, vo);
        TypeInto(dialog_, IDC_VALUE_BASE + 2, angle);
        Click(dialog_, IDC_ACCEPT);
        ASSERT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_VALUE_BASE + 7) != ""; }));
    }
    // File > Save case: the save dialog opens owned by the main dialog, which it disables.
    HWND OpenSaveDialog() {
        Command(dialog_, IDM_SAVE_CASE);
        MessageBoxSeen box = WaitMessageBox(dialog_);
        EXPECT_NE(box.window, nullptr) << "no save dialog";
        EXPECT_FALSE(IsWindowEnabled(dialog_));
        return box.window;
    }
    // Types the name into the file-name field and presses Save.
    void SaveAs(HWND box, const std::string& path) {
        HWND name = GetDlgItem(box, 0x47C);  // the file-name combo box
        if (!name) name = GetDlgItem(box, 0x480);  // or a plain edit
        ASSERT_NE(name, nullptr);
        SendMessageTimeoutA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG,
                            2000, nullptr);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
        EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(dialog_) != 0; }));
        // This prefix has no program for .txt files: the shell cannot open the report, and
        // that is not worth a message.
        EXPECT_EQ(WaitMessageBox(dialog_, 500).window, nullptr);
    }
    HWND WaitAbout() {
        HWND about = nullptr;
        WaitFor([&] {
            auto found = WindowsOfClass("FerSobre", process_.dwProcessId);
            about = found.empty() ? nullptr : found[0];
            return about && IsWindowVisible(about) && TextOf(about) != "";
        });
        return about;
    }
    // The program goes on after the About window has gone: the main dialog still solves.
    void ExpectMainDialogWorks() {
        EXPECT_EQ(WaitForSingleObject(process_.hProcess, 0), WAIT_TIMEOUT) << "the program ended";
        TypeInto(dialog_, IDC_VALUE_BASE + 1, "10");
        TypeInto(dialog_, IDC_VALUE_BASE + 2, "30");
        Click(dialog_, IDC_ACCEPT);
        EXPECT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_VALUE_BASE + 3) == " 8.660"; }));
    }

    PROCESS_INFORMATION process_ = {};
    HWND dialog_ = nullptr;
    bool running_ = false;
};

TEST_F(ReportAbout, SaveCaseAppendsTheCaseThroughTheSaveDialog) {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "Ovanta reports";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string path = folder + "\\case report.txt";  // blanks in the folder and the name
    DeleteFileA(path.c_str());

    Solve("20", "45");
    HWND box = OpenSaveDialog();
    ASSERT_NE(box, nullptr);
    SaveAs(box, path);
    EXPECT_TRUE(WaitFor([&] { return ReadFile(path) == Golden("report_worked_example.txt"); }))
        << ReadFile(path);

    box = OpenSaveDialog();  // the same file again: the second case follows the first
    ASSERT_NE(box, nullptr);
    SaveAs(box, path);
    std::string twice = Golden("report_worked_example.txt") + Golden("report_worked_example.txt");
    EXPECT_TRUE(WaitFor([&] { return ReadFile(path) == twice; })) << ReadFile(path);
    DeleteFileA(path.c_str());
}

TEST_F(ReportAbout, CancelInTheSaveDialogWritesNothing) {
    Solve("20", "45");
    HWND box = OpenSaveDialog();
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box) && IsWindowEnabled(dialog_); }));
    EXPECT_TRUE(WaitMessageBox(dialog_, 500).window == nullptr);
    ExpectMainDialogWorks();
}

TEST_F(ReportAbout, AboutOpensAndItsButtonClosesIt) {
    Command(dialog_, IDM_ABOUT);
    HWND about = WaitAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(TextOf(about), "About Ovanta...");
    RECT r;
    GetWindowRect(about, &r);
    EXPECT_EQ(r.left, 400);
    EXPECT_EQ(r.top, 200);
    EXPECT_EQ(r.right - r.left, 312);
    EXPECT_EQ(r.bottom - r.top, 240);
    HWND button = GetDlgItem(about, 1);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(kEnglishInterjections.count(TextOf(button)), 1u) << TextOf(button);

    if (const char* artifacts = std::getenv("OVANTA_ARTIFACTS"); artifacts && *artifacts) {
        Sleep(300);
        std::string shot = ProgramPath("OVANTA_ARTIFACTS") + "\\about.bmp";
        EXPECT_TRUE(SaveWindowBitmap(about, shot));
    }
    PostMessageA(button, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));
    ExpectMainDialogWorks();
}

TEST_F(ReportAbout, AboutClosesByItsCloseBoxAndOpensAgain) {
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        Command(dialog_, IDM_ABOUT);
        HWND about = WaitAbout();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(TextOf(about), "About Ovanta...");
        PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));
    }
    ExpectMainDialogWorks();
}

TEST_F(ReportAbout, ASecondAboutBringsTheOpenOneToTheFront) {
    Command(dialog_, IDM_ABOUT);
    HWND about = WaitAbout();
    ASSERT_NE(about, nullptr);
    SetForegroundWindow(dialog_);
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == dialog_; }));
    Command(dialog_, IDM_ABOUT);
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == about; }));
    Sleep(200);
    EXPECT_EQ(WindowsOfClass("FerSobre", process_.dwProcessId).size(), 1u);
    PostMessageA(GetDlgItem(about, 1), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));
    ExpectMainDialogWorks();
}

// In this process: the About window with its fonts, icon and year, and the report's file
// operations on real files.
struct Seen {
    std::string caption, button;
    int fontsWhileOpen = -1;
    bool iconDrawn = false;
};
Seen seen;
bool closeByButton;

void CALLBACK LookAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND about = AboutWindow();
    if (!about) return;
    KillTimer(nullptr, timer);
    char text[256] = "";
    GetWindowTextA(about, text, sizeof text);
    seen.caption = text;
    GetDlgItemTextA(about, 1, text, sizeof text);
    seen.button = text;
    seen.fontsWhileOpen = aboutFontsAlive;
    HDC dc = GetDC(about);
    for (int y = 80; y < 112 && !seen.iconDrawn; ++y)
        for (int x = 134; x < 166 && !seen.iconDrawn; ++x) seen.iconDrawn = GetPixel(dc, x, y) != RGB(255, 255, 178);
    ReleaseDC(about, dc);
    if (closeByButton)
        PostMessageA(GetDlgItem(about, 1), BM_CLICK, 0, 0);
    else
        PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(ReportAboutInProcess, AboutWindowLeavesNoFontBehind) {
    for (bool byButton : {true, false, true}) {
        SCOPED_TRACE(byButton ? "button" : "close box");
        seen = Seen();
        closeByButton = byButton;
        UINT_PTR timer = SetTimer(nullptr, 0, 200, LookAndClose);
        RunAbout("Ovanta movement: calculations", "ovanta@example.org", 1);
        KillTimer(nullptr, timer);
        EXPECT_EQ(seen.caption, "About ovanta_wine_tests...");
        EXPECT_EQ(kEnglishInterjections.count(seen.button), 1u) << seen.button;
        EXPECT_EQ(seen.fontsWhileOpen, 1);
        EXPECT_TRUE(seen.iconDrawn);
        EXPECT_EQ(aboutFontsAlive, 0);
        EXPECT_EQ(AboutWindow(), nullptr);
    }
}

// The year belongs to the program file itself, wherever the program was started from.
TEST(ReportAboutInProcess, YearComesFromTheProgramFileInAnyDirectory) {
    std::string program = ProgramFilePath();  // UTF-8
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WideOf(program).c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << program;
    FindClose(search);
    FILETIME local;
    SYSTEMTIME time;
    FileTimeToLocalFileTime(&found.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &time);
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\windows"));
    EXPECT_EQ(ProgramFileYear(), std::to_string(time.wYear));
    SetCurrentDirectoryA(previous);
}

TEST(ReportAboutInProcess, ReportFileIsAppendedCutBackAndRemoved) {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + "ovanta file test.txt";
    DeleteFileA(path.c_str());
    WrittenFile file;
    ASSERT_TRUE(OpenFileForWriting(path, WriteMode::Append, file));
    EXPECT_TRUE(file.created);
    EXPECT_TRUE(WriteFileBytes(file, "first\r\n"));
    EXPECT_TRUE(CloseWrittenFile(file));
    ASSERT_TRUE(OpenFileForWriting(path, WriteMode::Append, file));
    EXPECT_FALSE(file.created);
    EXPECT_EQ(file.startSize, 7u);
    EXPECT_TRUE(WriteFileBytes(file, "second\r\n"));
    EXPECT_TRUE(CloseWrittenFile(file));
    EXPECT_EQ(ReadFile(path), "first\r\nsecond\r\n");
    EXPECT_TRUE(TruncateFile(path, 7));
    EXPECT_EQ(ReadFile(path), "first\r\n");
    EXPECT_TRUE(RemoveFile(path));
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);

    // A file in a folder that does not exist cannot be opened.
    EXPECT_FALSE(OpenFileForWriting(std::string(temp) + "no such folder\\case.txt", WriteMode::Append, file));
}

}  // namespace
