// The tools under Wine: the Tools menu and the Tools edition dialog created inside this process
// (menus cannot be read from another process), and the real Ovanta.exe driven from outside:
// editing and saving the list, launching tools, and saves that must not touch a protected file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/main_dialog_win32.h"
#include "platform/dialog_win32.h"
#include "resources/ids.h"
#include "tests/win32/driver.h"
#include "tools/tool_list.h"
#include "tools/tools_menu.h"

namespace {

const char kThreeTools[] =
    "Calculator\r\ncalc.exe\r\nC:\\windows\r\n\r\n"
    "&Notes \xE0\r\nnotepad.exe notes.txt\r\n\r\n-p\r\n"
    "Report\r\nreport.txt\r\nC:\\users\r\nparam\r\n";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return bool(out);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The names in a folder, "." and ".." left out.
std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void RemoveFolder(const std::string& folder) {
    for (const std::string& name : FolderEntries(folder)) {
        std::string path = folder + "\\" + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY)
            RemoveFolder(path);
        else
            DeleteFileA(path.c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

// A fresh folder (with a blank in its name) under the temporary folder.
std::string FreshFolder(const std::string& name) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "ovanta " + name;
    RemoveFolder(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::string ReadBytesW(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool WriteBytesW(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    return CloseHandle(file) && ok;
}

void RemoveFolderW(const std::wstring& folder) {
    for (const std::wstring& name : FolderNamesW(folder)) DeleteFileW((folder + L"\\" + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

std::string MenuText(HMENU menu, UINT position) {
    char buffer[300] = "";
    GetMenuStringA(menu, position, buffer, sizeof buffer, MF_BYPOSITION);
    return buffer;
}

// ---- Inside this process ----

struct HookState {
    HWND toolsDialog = nullptr;
    int activations = 0;
    std::vector<std::string> boxes;  // caption + "|" + text of each message box
    void (*onToolsDialog)(HWND) = nullptr;
};
HookState hookState;
HHOOK hook;

LRESULT CALLBACK WatchWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char caption[256] = "";
        GetWindowTextA(window, caption, sizeof caption);
        if (GetDlgItem(window, 0xFFFF)) {  // a message box: answer Yes, then press Ok
            char text[256] = "";
            GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
            hookState.boxes.push_back(std::string(caption) + "|" + text);
            PostMessageA(window, WM_COMMAND, IDYES, 0);
            PostMessageA(GetDlgItem(hookState.toolsDialog, 20), BM_CLICK, 0, 0);
        } else if (std::string(caption) == "Tools edition" && hookState.activations++ == 0) {
            hookState.toolsDialog = window;
            if (hookState.onToolsDialog) hookState.onToolsDialog(window);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

class ToolsInProcess : public testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, before_);
        folder_ = FreshFolder("in process");
        ASSERT_TRUE(WriteBytes(folder_ + "\\Tools.rel", kThreeTools));
        SetCurrentDirectoryA(folder_.c_str());
        hookState = HookState();
        hook = SetWindowsHookExA(WH_CBT, WatchWindows, nullptr, GetCurrentThreadId());
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), "DlgMain", nullptr, MainDialogProc,
                                     reinterpret_cast<LPARAM>(&state_));
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        UnhookWindowsHookEx(hook);
        SetCurrentDirectoryA(before_);
        RemoveFolder(folder_);
    }
    HMENU Tools() { return GetSubMenu(GetMenu(dialog_), 1); }
    void ExpectToolItems(const std::vector<std::string>& titles) {
        HMENU tools = Tools();
        ASSERT_EQ(GetMenuItemCount(tools), 2 + static_cast<int>(titles.size()));
        EXPECT_EQ(GetMenuItemID(tools, 0), UINT(IDM_TOOLS_EDITION));
        EXPECT_EQ(MenuText(tools, 0), "Tools &edition ");
        EXPECT_EQ(GetMenuItemID(tools, 1), 0u);
        for (std::size_t i = 0; i < titles.size(); ++i) {
            EXPECT_EQ(GetMenuItemID(tools, 2 + i), UINT(531 + i));
            EXPECT_EQ(MenuText(tools, 2 + i), titles[i]);
        }
    }
    bool HandleToolsCommand(std::uint16_t id) {
        return ::HandleToolsCommand(DialogOf(dialog_), id, state_.tools, state_.languageIndex);
    }
    char before_[MAX_PATH] = "";
    std::string folder_;
    AppState state_;
    HWND dialog_ = nullptr;
};

TEST_F(ToolsInProcess, ThreeToolsGiveTheMenuAndOkAfterADeleteRebuildsIt) {
    ExpectToolItems({"Calculator", "&Notes \xE0", "Report"});
    hookState.onToolsDialog = [](HWND tools) {
        HWND list = GetDlgItem(tools, 40);
        SendMessageA(list, LB_SETCURSEL, 1, 0);
        PostMessageA(tools, WM_COMMAND, MAKEWPARAM(40, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        PostMessageA(GetDlgItem(tools, 4), BM_CLICK, 0, 0);
    };
    EXPECT_TRUE(HandleToolsCommand(ToolsEditionCommand));
    ASSERT_EQ(hookState.boxes.size(), 1u);
    EXPECT_EQ(hookState.boxes[0], "Confirmar eliminar|Eliminar \"&Notes \xE0\"?");
    ExpectToolItems({"Calculator", "Report"});
    EXPECT_EQ(ReadBytes(folder_ + "\\Tools.rel"),
              "Calculator\r\ncalc.exe\r\nC:\\windows\r\n\r\nReport\r\nreport.txt\r\nC:\\users\r\nparam\r\n");
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"Tools.rel"});
}

TEST_F(ToolsInProcess, MoreThan64ToolsFillTheMenuAndAreReportedOnce) {
    DestroyWindow(dialog_);
    std::string bytes;
    for (int n = 1; n <= 70; ++n) bytes.append(1, 'T').append(std::to_string(n)).append("\r\nt.exe\r\n\r\n\r\n");
    ASSERT_TRUE(WriteBytes(folder_ + "\\Tools.rel", bytes));
    hookState.boxes.clear();
    SetMessageFallbackOwner(nullptr);  // the last dialog of this process is gone
    state_ = AppState();
    dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), "DlgMain", nullptr, MainDialogProc,
                                     reinterpret_cast<LPARAM>(&state_));
    ASSERT_NE(dialog_, nullptr);
    ASSERT_EQ(hookState.boxes.size(), 1u);
    EXPECT_NE(hookState.boxes[0].find("64"), std::string::npos) << hookState.boxes[0];
    HMENU tools = Tools();
    ASSERT_EQ(GetMenuItemCount(tools), 66);
    EXPECT_EQ(GetMenuItemID(tools, 65), 594u);
    EXPECT_EQ(MenuText(tools, 65), "T64");
}

// Owned by the main dialog, which is disabled while it is open; the list box notifies its
// selection and keeps its order.
TEST_F(ToolsInProcess, OwnedByTheMainDialogWhileOpen) {
    static HWND mainDialog;
    static std::vector<std::string> problems;
    mainDialog = dialog_;
    problems.clear();
    hookState.onToolsDialog = [](HWND tools) {
        // The dialog manager draws a bordered control with a sunken edge instead; the list box
        // drops WS_VSCROLL while its lines fit.
        LONG listStyle = GetWindowLongA(GetDlgItem(tools, 40), GWL_STYLE);
        LONG listExStyle = GetWindowLongA(GetDlgItem(tools, 40), GWL_EXSTYLE);
        if ((listStyle & (LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_SORT)) != (LBS_NOTIFY | LBS_NOINTEGRALHEIGHT) ||
            !((listStyle & WS_BORDER) || (listExStyle & WS_EX_CLIENTEDGE)))
            problems.push_back("list style " + std::to_string(listStyle) + " " + std::to_string(listExStyle));
        char caption[64] = "";
        GetWindowTextA(tools, caption, sizeof caption);
        if (std::string(caption) != "Tools edition") problems.push_back("caption");
        if (GetWindow(tools, GW_OWNER) != mainDialog) problems.push_back("owner");
        if (IsWindowEnabled(mainDialog)) problems.push_back("main dialog usable");
        for (int id : {4, 5, 6})
            if (IsWindowEnabled(GetDlgItem(tools, id))) problems.push_back(std::to_string(id) + " enabled");
        if (SendDlgItemMessageA(tools, 40, LB_GETCOUNT, 0, 0) != 3) problems.push_back("list lines");
        auto font = reinterpret_cast<HFONT>(SendMessageA(tools, WM_GETFONT, 0, 0));
        LOGFONTA description = {};
        GetObjectA(font, sizeof description, &description);
        if (std::string(description.lfFaceName) != "Arial") problems.push_back("font");
        PostMessageA(tools, WM_COMMAND, IDCANCEL, 0);  // esc
    };
    EXPECT_TRUE(HandleToolsCommand(ToolsEditionCommand));
    EXPECT_EQ(hookState.activations, 1);
    EXPECT_EQ(problems, std::vector<std::string>());
    EXPECT_TRUE(IsWindowEnabled(dialog_));
    ExpectToolItems({"Calculator", "&Notes \xE0", "Report"});
}

// ---- The real program, driven from outside ----

class ToolsProgram : public testing::Test {
protected:
    void TearDown() override {
        if (running_) {
            PostMessageA(dialog_, WM_CLOSE, 0, 0);
            if (WaitExit(process_, 5000) < 0) TerminateProcess(process_.hProcess, 1);
        }
    }
    void Start(const std::string& folder) {
        dialog_ = StartOvanta(process_, folder.c_str());
        ASSERT_NE(dialog_, nullptr);
        running_ = true;
    }
    HWND OpenTools() {
        Command(dialog_, IDM_TOOLS_EDITION);
        return WaitDialog("Tools edition");
    }
    void AddTool(HWND tools, const char* title, const char* file, const char* directory, const char* parameters) {
        TypeInto(tools, 100, title);
        TypeInto(tools, 101, file);
        TypeInto(tools, 102, directory);
        TypeInto(tools, 103, parameters);
        int lines = ListLines(tools);
        Click(tools, 15);
        WaitFor([&] { return ListLines(tools) == lines + 1; });
    }
    static int ListLines(HWND tools) {
        DWORD_PTR count = 0;
        SendMessageTimeoutA(GetDlgItem(tools, 40), LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count);
        return static_cast<int>(count);
    }
    // Clicks line `line` of the list box, as the mouse does.
    static void ClickLine(HWND tools, int line) {
        HWND list = GetDlgItem(tools, 40);
        DWORD_PTR height = 0;
        SendMessageTimeoutA(list, LB_GETITEMHEIGHT, 0, 0, SMTO_ABORTIFHUNG, 2000, &height);
        LPARAM at = MAKELPARAM(10, static_cast<int>(height) * line + static_cast<int>(height) / 2);
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(list, WM_LBUTTONUP, 0, at);
        WaitFor([&] { return IsEnabledField(tools, 4); });
    }

    PROCESS_INFORMATION process_ = {};
    HWND dialog_ = nullptr;
    bool running_ = false;
};

TEST_F(ToolsProgram, DialogAddsMovesDeletesAndOkWritesTheList) {
    std::string folder = FreshFolder("dialog");
    Start(folder);
    HWND tools = OpenTools();
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(GetWindow(tools, GW_OWNER), dialog_);
    AddTool(tools, "Alpha", "alpha.exe -a", "C:\\alpha", "pa");
    AddTool(tools, "Beta \xE9", "beta.txt", "", "");
    AddTool(tools, "Gamma", "C:\\Program Files\\g.exe", "C:\\g dir", "pg");
    ASSERT_EQ(ListLines(tools), 3);

    ClickLine(tools, 1);
    EXPECT_TRUE(WaitFor([&] { return FieldText(tools, 100) == "Beta \xE9"; }));
    EXPECT_TRUE(IsEnabledField(tools, 5));
    EXPECT_TRUE(IsEnabledField(tools, 6));
    std::string artifacts = ProgramPath("OVANTA_ARTIFACTS");
    if (!artifacts.empty()) {  // three tools, the second selected
        RedrawWindow(tools, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(300);
        EXPECT_TRUE(SaveWindowBitmap(tools, artifacts + "\\tools_dialog.bmp"));
    }

    Click(tools, 5);  // Beta up: Beta, Alpha, Gamma
    EXPECT_TRUE(WaitFor([&] { return !IsEnabledField(tools, 5); }));
    ClickLine(tools, 2);
    EXPECT_TRUE(WaitFor([&] { return FieldText(tools, 100) == "Gamma"; }));
    Click(tools, 4);
    MessageBoxSeen box = WaitMessageBox(tools);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.caption, "Confirmar eliminar");
    EXPECT_EQ(box.text, "Eliminar \"Gamma\"?");
    PressButton(box.window, IDNO);
    EXPECT_EQ(ListLines(tools), 3);
    Click(tools, 4);
    box = WaitMessageBox(tools);
    ASSERT_NE(box.window, nullptr);
    PressButton(box.window, IDYES);
    EXPECT_TRUE(WaitFor([&] { return ListLines(tools) == 2; }));

    Click(tools, 20);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(tools); }));
    EXPECT_EQ(ReadBytes(folder + "\\Tools.rel"),
              "Beta \xE9\r\nbeta.txt\r\n\r\n\r\nAlpha\r\nalpha.exe -a\r\nC:\\alpha\r\npa\r\n");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Tools.rel"});
}

// Enter, with no default push button, moves the focus through the fields to "<- ok" and on to
// the list, storing nothing.
TEST_F(ToolsProgram, EnterMovesTheFocusOn) {
    std::string folder = FreshFolder("enter");
    Start(folder);
    HWND tools = OpenTools();
    ASSERT_NE(tools, nullptr);
    auto focused = [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(process_.dwThreadId, &info);
        return info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : -1;
    };
    TypeInto(tools, 100, "T");
    EXPECT_TRUE(WaitFor([&] { return focused() == 100; }));
    for (int next : {101, 102, 103, 15, 40}) {
        HWND from = GetDlgItem(tools, focused());
        PostMessageA(from, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageA(from, WM_KEYUP, VK_RETURN, 0xC0000001);
        EXPECT_TRUE(WaitFor([&] { return focused() == next; }, 2000)) << next << " " << focused();
    }
    EXPECT_EQ(ListLines(tools), 0);  // nothing stored on the way
    Click(tools, 2);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(tools); }));
    RemoveFolder(folder);
}

// A pasted text longer than what is read is cut where the user sees it.
TEST_F(ToolsProgram, FieldsHoldNoMoreThanIsRead) {
    std::string folder = FreshFolder("long");
    Start(folder);
    HWND tools = OpenTools();
    ASSERT_NE(tools, nullptr);
    const std::string longText(300, 'a');
    for (int id : {100, 101, 102, 103}) {
        PasteInto(tools, id, longText);
        EXPECT_EQ(FieldText(tools, id), longText.substr(0, 254)) << id;
    }
    Click(tools, 2);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(tools); }));
    RemoveFolder(folder);
}

TEST_F(ToolsProgram, ProtectedToolsRelKeepsItsBytes) {
    const std::string old = "Old\r\nold.exe\r\n\r\n\r\n";
    const struct {
        const char* label;
        DWORD attributes;
        bool lock;
        bool saved;
    } rows[] = {
        {"read-only", FILE_ATTRIBUTE_READONLY, false, false},
        {"locked", FILE_ATTRIBUTE_NORMAL, true, false},
        {"hidden", FILE_ATTRIBUTE_HIDDEN, false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        std::string folder = FreshFolder(row.label);
        std::string file = folder + "\\Tools.rel";
        ASSERT_TRUE(WriteBytes(file, old));
        SetFileAttributesA(file.c_str(), row.attributes);
        Start(folder);
        HWND tools = OpenTools();
        ASSERT_NE(tools, nullptr);
        ASSERT_EQ(ListLines(tools), 1);
        AddTool(tools, "New", "new.exe", "", "");
        HANDLE lock = row.lock ? CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)
                               : INVALID_HANDLE_VALUE;
        Click(tools, 20);
        if (row.saved) {
            EXPECT_TRUE(WaitFor([&] { return !IsWindow(tools); }));
            EXPECT_EQ(ReadBytes(file), old + "New\r\nnew.exe\r\n\r\n\r\n");
            EXPECT_EQ(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD(FILE_ATTRIBUTE_HIDDEN));
        } else {
            // Reported as every save is, naming the file; the dialog stays open.
            MessageBoxSeen box = WaitMessageBox(tools);
            ASSERT_NE(box.window, nullptr);
            EXPECT_EQ(box.caption, "Tools edition");
            EXPECT_EQ(box.text, "The file cannot be replaced (it is read-only or in use); it is as it was:\r\n" + file);
            PressButton(box.window, IDOK);
            EXPECT_TRUE(IsWindowVisible(tools));
            if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
            EXPECT_EQ(ReadBytes(file), old);
            const DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
            EXPECT_EQ(GetFileAttributesA(file.c_str()) & kept, row.attributes & kept);
            Click(tools, 2);
            EXPECT_TRUE(WaitFor([&] { return !IsWindow(tools); }));
        }
        EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Tools.rel"});
        PostMessageA(dialog_, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitExit(process_), 0);
        running_ = false;
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveFolder(folder);
    }
}

TEST_F(ToolsProgram, ToolsStartInTheirWorkDirectoriesAndNeverTheDecoy) {
    std::string probe = ProgramPath("OVANTA_PROBE");
    ASSERT_TRUE(Exists(probe)) << probe;
    std::string programs = "C:\\Program Files\\Probe Tool";
    RemoveFolder(programs);
    CreateDirectoryA(programs.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(probe.c_str(), (programs + "\\probe.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(probe.c_str(), "C:\\Program.exe", FALSE));  // the decoy
    std::string work = FreshFolder("work dir");
    std::string bare = FreshFolder("bare");
    ASSERT_TRUE(CopyFileA(probe.c_str(), (bare + "\\probe.exe").c_str(), FALSE));
    std::string start = FreshFolder("start");
    std::string list = "Probe\r\n" + programs + "\\probe.exe one two\r\n" + work + "\r\n\r\n" +
                       "Bare\r\nprobe.exe bare\r\n" + bare + "\r\n\r\n" +
                       "Cmd\r\ncmd.exe /c echo hi>cmd-ran.txt\r\n" + work + "\r\n\r\n" +
                       "Missing\r\nprobe.exe\r\nC:\\no such dir\r\n\r\n" +
                       "Quoted\r\n\"" + programs + "\\probe.exe\" three\r\n\r\n\r\n" +
                       "Nowhere\r\nnowhere.exe x\r\n\r\n\r\n" +
                       "Upper\r\nC:\\windows\\system32\\CMD.EXE /c echo run x.exe >upper.txt\r\n" + work + "\r\n\r\n" +
                       "Args\r\ncmd /c echo a.exe>args.txt\r\n" + work + "\r\n\r\n";
    ASSERT_TRUE(WriteBytes(start + "\\Tools.rel", list));
    Start(start);

    Command(dialog_, 531);
    EXPECT_TRUE(WaitFor([&] { return Exists(work + "\\ran-probe.txt"); }));
    Sleep(200);
    EXPECT_EQ(ReadBytes(work + "\\ran-probe.txt"), "\"" + programs + "\\probe.exe\" one two");
    Command(dialog_, 532);
    EXPECT_TRUE(WaitFor([&] { return Exists(bare + "\\ran-probe.txt"); }));
    Command(dialog_, 533);
    EXPECT_TRUE(WaitFor([&] { return Exists(work + "\\cmd-ran.txt"); }));

    Command(dialog_, 534);
    MessageBoxSeen box = WaitMessageBox(dialog_);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.caption, "No trobat directori...");
    EXPECT_EQ(box.text, "C:\\no such dir");
    PressButton(box.window, IDOK);

    Command(dialog_, 535);  // no work directory: the program's current directory
    EXPECT_TRUE(WaitFor([&] { return Exists(start + "\\ran-probe.txt"); }));
    Command(dialog_, 536);  // a program that is nowhere: reported
    box = WaitMessageBox(dialog_);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.caption, "Cannot start");
    EXPECT_NE(box.text.find("\"nowhere.exe x\""), std::string::npos) << box.text;
    PressButton(box.window, IDOK);
    // ".exe" in the arguments: an upper-case program path, and a bare name looked up.
    const struct {
        int command;
        const char *file, *echoed;
    } echoes[] = {{537, "\\upper.txt", "run x.exe"}, {538, "\\args.txt", "a.exe"}};
    for (const auto& echo : echoes) {
        Command(dialog_, echo.command);
        EXPECT_TRUE(WaitFor([&] { return ReadBytes(work + echo.file).find('\n') != std::string::npos; }))
            << echo.file;
        EXPECT_EQ(ReadBytes(work + echo.file).rfind(echo.echoed, 0), 0u) << ReadBytes(work + echo.file);
    }
    EXPECT_EQ(WaitMessageBox(dialog_, 300).window, nullptr);
    Command(dialog_, 540);  // beyond the list: nothing
    Sleep(500);
    EXPECT_EQ(WaitMessageBox(dialog_, 300).window, nullptr);

    for (const std::string& folder : {work, bare, start, std::string("C:"), programs})
        EXPECT_FALSE(Exists(folder + "\\ran-Program.txt")) << folder;
    DeleteFileA("C:\\Program.exe");
    RemoveFolder(programs);
    for (const std::string& folder : {work, bare, start}) RemoveFolder(folder);
}

// The real open-file dialog: a file in the root of C: gives the work directory "C:\".
TEST_F(ToolsProgram, BrowsingFillsFileAndWorkDirectory) {
    std::string folder = FreshFolder("browse");
    ASSERT_TRUE(WriteBytes("C:\\ovanta root file.txt", "x"));
    Start(folder);
    HWND tools = OpenTools();
    ASSERT_NE(tools, nullptr);
    TypeInto(tools, 100, "Typed");
    Click(tools, 10);
    HWND open = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        open = FindWindowA("#32770", "Choose the tool's file");
        return open && IsWindowVisible(open);
    }));
    HWND name = GetDlgItem(open, 0x47C);  // the file-name combo box of the explorer-style dialog
    if (!name) name = GetDlgItem(open, 0x480);
    ASSERT_NE(name, nullptr);
    SendMessageTimeoutA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\ovanta root file.txt"), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    PostMessageA(open, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return FieldText(tools, 101) == "ovanta root file.txt"; }));
    EXPECT_EQ(FieldText(tools, 102), "C:\\");
    EXPECT_EQ(FieldText(tools, 100), "Typed");
    EXPECT_EQ(ListLines(tools), 0);
    Click(tools, 2);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(tools); }));
    DeleteFileA("C:\\ovanta root file.txt");
    RemoveFolder(folder);
}

TEST_F(ToolsProgram, MissingHelpDocumentIsReported) {
    // A copy of the program in a folder without the guide: Wine's shell would also find a guide
    // lying beside the program's file, as the build leaves one.
    std::string folder = FreshFolder("no help");
    std::string copy = folder + "\\Ovanta.exe";
    ASSERT_TRUE(CopyFileA(ProgramPath("OVANTA_EXE").c_str(), copy.c_str(), FALSE));
    ASSERT_TRUE(StartProgram(copy, process_, folder.c_str()));
    dialog_ = WaitDialog("Ovanta shot");
    ASSERT_NE(dialog_, nullptr);
    running_ = true;
    Command(dialog_, IDM_INFO);
    MessageBoxSeen box = WaitMessageBox(dialog_);
    ASSERT_NE(box.window, nullptr);
    EXPECT_NE(box.text.find("Ovanta.pdf"), std::string::npos) << box.text;
    PressButton(box.window, IDOK);
    PostMessageA(dialog_, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(process_), 0);
    running_ = false;
    RemoveFolder(folder);
}

// Started in a folder named in Cyrillic: Tools.rel is read there and saved there after the file
// dialogs, whose folders were elsewhere; a browsed name that Tools.rel cannot keep is refused.
TEST_F(ToolsProgram, StartFolderNamedInCyrillicKeepsItsToolList) {
    const std::string elsewhere = FreshFolder("elsewhere");
    const std::wstring start = Widen(FreshFolder("start")) + L" \x041F\x0430\x043F\x043A\x0430";
    RemoveFolderW(start);
    ASSERT_TRUE(CreateDirectoryW(start.c_str(), nullptr));
    ASSERT_TRUE(WriteBytesW(start + L"\\Tools.rel", "One\r\none.exe\r\n\r\n\r\n"));
    const std::wstring omega = Widen(elsewhere) + L"\\\x03C9.txt";
    ASSERT_TRUE(WriteBytesW(omega, "x"));
    dialog_ = StartOvantaIn(process_, start);
    ASSERT_NE(dialog_, nullptr);
    running_ = true;

    // A save dialog that ends in another folder.
    TypeInto(dialog_, IDC_VALUE_BASE + 1, "20");
    TypeInto(dialog_, IDC_VALUE_BASE + 2, "45");
    Click(dialog_, IDC_ACCEPT);
    ASSERT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_VALUE_BASE + 7) != ""; }));
    Command(dialog_, IDM_EXPORT_TABLE);
    MessageBoxSeen save = WaitMessageBox(dialog_);
    ASSERT_NE(save.window, nullptr);
    PressSaveAs(save.window, elsewhere + "\\path.csv");
    ASSERT_TRUE(WaitFor([&] { return Exists(elsewhere + "\\path.csv") && IsWindowEnabled(dialog_); }));

    HWND tools = OpenTools();
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(ListLines(tools), 1);  // read from the start folder
    Click(tools, 10);
    HWND open = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        open = FindWindowA("#32770", "Choose the tool's file");
        return open && IsWindowVisible(open);
    }));
    HWND name = GetDlgItem(open, 0x47C);
    if (!name) name = GetDlgItem(open, 0x480);
    SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(omega.c_str()), SMTO_ABORTIFHUNG, 2000, nullptr);
    PostMessageW(open, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(open); }));
    MessageBoxSeen refusal = WaitMessageBox(tools);
    ASSERT_NE(refusal.window, nullptr);
    EXPECT_EQ(refusal.caption, "Tools edition");
    EXPECT_EQ(WideTextOf(GetDlgItem(refusal.window, 0xFFFF)),
              L"Tools.rel cannot keep the letters of this file's name:\r\n" + omega);
    PressButton(refusal.window, IDOK);
    EXPECT_EQ(FieldText(tools, 101), "");

    AddTool(tools, "Two", "two.exe", "", "");
    Click(tools, 20);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(tools); }));
    EXPECT_EQ(ReadBytesW(start + L"\\Tools.rel"), "One\r\none.exe\r\n\r\n\r\nTwo\r\ntwo.exe\r\n\r\n\r\n");
    EXPECT_EQ(FolderNamesW(start), std::vector<std::wstring>{L"Tools.rel"});
    EXPECT_EQ(FolderEntries(elsewhere).size(), 2u);  // path.csv and the browsed file, nothing more
    PostMessageA(dialog_, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(process_), 0);
    running_ = false;
    RemoveFolderW(start);
    RemoveFolder(elsewhere);
    RemoveFolder(FreshFolder("start"));
}

}  // namespace
