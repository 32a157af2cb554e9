// Splitting command texts for launching, starting tools in their work directories, and the
// Tools menu's commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_dialog.h"
#include "tests/support/fake_menu.h"
#include "tests/support/fake_modal_dialog.h"
#include "tests/support/fake_system.h"
#include "tools/launch.h"
#include "text/words.h"
#include "platform/system.h"
#include "tools/tool_list.h"
#include "tools/tools_menu.h"

namespace {

const char* KindName(LaunchPlan::Kind kind) {
    return kind == LaunchPlan::Program ? "program" : kind == LaunchPlan::Document ? "document" : "nothing";
}

TEST(PlanLaunch, Table) {
    ResetSystem();
    System().files = {"C:\\My Documents\\report 1.txt", "C:\\My Documents\\report ?.txt",
                      "C:\\My Tools\\run.exe"};
    // The decoy: a lookup of the first word of an unquoted path with blanks would find it.
    System().programs = {{"cmd", "C:\\windows\\system32\\cmd.exe"}, {"C:\\Program", "C:\\Program.exe"}};
    const std::string longArgument(300, 'a');
    const struct {
        std::string text;
        LaunchPlan::Kind kind;
        std::string target, arguments;
    } rows[] = {
        {"calc.exe", LaunchPlan::Program, "calc.exe", ""},
        {"notepad.exe readme.txt", LaunchPlan::Program, "notepad.exe", "readme.txt"},
        {"C:\\Program Files\\App\\app.exe -x file", LaunchPlan::Program, "C:\\Program Files\\App\\app.exe", "-x file"},
        {"\"C:\\Program Files\\App\\app.exe\" -x", LaunchPlan::Program, "C:\\Program Files\\App\\app.exe", "-x"},
        {"\"C:\\Program Files\\App\\app.exe\"", LaunchPlan::Program, "C:\\Program Files\\App\\app.exe", ""},
        {"C:\\my.exe.d\\run.exe go", LaunchPlan::Program, "C:\\my.exe.d\\run.exe", "go"},
        {"  tool.exe   a  b ", LaunchPlan::Program, "tool.exe", "a  b "},
        {"odd.exefile", LaunchPlan::Program, "odd.exe", "file"},
        {"APP.EXE arg", LaunchPlan::Program, "APP.EXE", "arg"},
        {"C:\\windows\\system32\\CMD.EXE /c echo run x.exe >upper.txt", LaunchPlan::Program,
         "C:\\windows\\system32\\CMD.EXE", "/c echo run x.exe >upper.txt"},
        {"cmd /c echo a.exe>args.txt", LaunchPlan::Program, "C:\\windows\\system32\\cmd.exe",
         "/c echo a.exe>args.txt"},
        {" cmd   /c copy C:\\a\\b.exe D:\\", LaunchPlan::Program, "C:\\windows\\system32\\cmd.exe",
         "/c copy C:\\a\\b.exe D:\\"},
        {"C:\\My Tools\\run.exe x.exe y.Exe", LaunchPlan::Program, "C:\\My Tools\\run.exe", "x.exe y.Exe"},
        // Nothing exists: the path is never shortened to a first word with a folder in it.
        {"C:\\Program Files\\Gone\\app.EXE -x", LaunchPlan::Program, "C:\\Program Files\\Gone\\app.EXE", "-x"},
        {"report.txt", LaunchPlan::Document, "report.txt", ""},
        {"Ovanta.pdf", LaunchPlan::Document, "Ovanta.pdf", ""},
        {"one two three", LaunchPlan::Document, "one", "two three"},
        {"C:\\My Documents\\report 1.txt", LaunchPlan::Document, "C:\\My Documents\\report 1.txt", ""},
        {"C:\\My Documents\\other.txt", LaunchPlan::Document, "C:\\My", "Documents\\other.txt"},
        {"C:\\My Documents\\report ?.txt", LaunchPlan::Document, "C:\\My", "Documents\\report ?.txt"},
        {"\"C:\\My Documents\\other.txt\" /p", LaunchPlan::Document, "C:\\My Documents\\other.txt", "/p"},
        {"http://example.org/a b", LaunchPlan::Document, "http://example.org/a", "b"},
        {"", LaunchPlan::Nothing, "", ""},
        {"   ", LaunchPlan::Nothing, "", ""},
        {"x.txt " + longArgument, LaunchPlan::Document, "x.txt", longArgument.substr(0, 249)},
        // Only the first 255 characters count: here they end in ".ex".
        {std::string(252, 'p') + ".exe", LaunchPlan::Document, std::string(252, 'p') + ".ex", ""},
    };
    for (const auto& row : rows) {
        LaunchPlan plan = PlanLaunch(row.text);
        EXPECT_STREQ(KindName(plan.kind), KindName(row.kind)) << row.text;
        EXPECT_EQ(plan.target, row.target) << row.text;
        EXPECT_EQ(plan.arguments, row.arguments) << row.text;
    }
}

// The Tools commands' state, as the main dialog keeps it.
ToolsState tools;
ToolList& toolList = tools.list;
const DialogHandle kMain = FakeDialogHandle(1);

bool HandleToolsCommand(std::uint16_t id) { return HandleToolsCommand(kMain, id, tools, 1); }

class Launching : public testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        ResetSystem();
        ResetMenu();
        ResetModalDialogs();
        tools = ToolsState();
        tools.popup = DialogMenuPopup(kMain, 2);
        System().currentDirectory = "C:\\Start";
        System().directories = {"C:\\Start", "C:\\Work dir"};
        const char* rows[][3] = {{"One", "one.exe a", ""}, {"Two", "two.txt", "C:\\Work dir"}, {"Three", "three.exe", "C:\\Gone"}};
        for (auto& tool : rows) {
            AppendTool(toolList);
            SetToolFields(ToolAt(toolList, toolList.toolCount), tool[0], tool[1], tool[2], "unused");
        }
    }
};

TEST_F(Launching, ToolsStartInTheirWorkDirectories) {
    LaunchTool(ToolAt(toolList, 1), kEnglish);
    LaunchTool(ToolAt(toolList, 2), kEnglish);
    EXPECT_EQ(System().commands, (std::vector<std::string>{"one.exe", "two.txt"}));
    EXPECT_EQ(System().arguments, (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(System().directoriesAtStart, (std::vector<std::string>{"C:\\Start", "C:\\Work dir"}));
    EXPECT_EQ(System().directoryChanges, (std::vector<std::string>{"C:\\Start", "C:\\Work dir", "C:\\Start"}));
    EXPECT_EQ(System().currentDirectory, "C:\\Start");
    EXPECT_TRUE(Fake().messages.empty());
}

// NTFS marks the roots of its drives hidden and system; the user sees them all the same.
TEST_F(Launching, RootsAreWorkDirectoriesWhateverTheirAttributes) {
    const unsigned hiddenSystem = kEntryHidden | kEntrySystem;
    const struct {
        const char* directory;
        unsigned attributes;
        bool started;
    } rows[] = {
        {"C:\\", hiddenSystem, true},           {"d:/", hiddenSystem, true},
        {"\\\\server\\share", hiddenSystem, true}, {"\\\\server\\share\\", kEntryHidden, true},
        {"C:\\Hidden", kEntryHidden, false},     {"C:\\System", kEntrySystem, false},
        {"C:", hiddenSystem, false},             {"\\\\server\\share\\sub", hiddenSystem, false},
        {"\\\\server\\", hiddenSystem, false},
    };
    for (const auto& row : rows) {
        ResetSystem();
        ResetFake();
        System().directories = {row.directory};
        System().directoryAttributes = {{row.directory, row.attributes}};
        ToolEntry tool;
        SetToolFields(tool, "Root", "run.exe", row.directory, "");
        LaunchTool(tool, kEnglish);
        EXPECT_EQ(System().commands.size(), row.started ? 1u : 0u) << row.directory;
        EXPECT_EQ(Fake().messages.size(), row.started ? 0u : 1u) << row.directory;
    }
}

// Tools.rel keeps Windows-1252 bytes; the system takes the tool's paths with those letters.
TEST_F(Launching, AToolsPathsReachTheSystemWithTheirLetters) {
    System().directories.insert("C:\\Caf\xC3\xA9");
    System().files.insert("C:\\Caf\xC3\xA9\\men\xC3\xBA.exe");
    ToolEntry tool;
    SetToolFields(tool, "Men\xFA", "C:\\Caf\xE9\\men\xFA.exe -x", "C:\\Caf\xE9", "");
    LaunchTool(tool, kEnglish);
    EXPECT_EQ(System().commands, std::vector<std::string>{"C:\\Caf\xC3\xA9\\men\xC3\xBA.exe"});
    EXPECT_EQ(System().arguments, std::vector<std::string>{"-x"});
    EXPECT_EQ(System().directoriesAtStart, std::vector<std::string>{"C:\\Caf\xC3\xA9"});
    EXPECT_EQ(System().currentDirectory, "C:\\Start");
    EXPECT_TRUE(Fake().messages.empty());
}

TEST_F(Launching, MissingWorkDirectoryIsReportedAndNothingStarts) {
    LaunchTool(ToolAt(toolList, 3), kEnglish);
    EXPECT_TRUE(System().commands.empty());
    EXPECT_TRUE(System().directoryChanges.empty());
    ASSERT_EQ(Fake().messages.size(), 1u);
    EXPECT_EQ(Fake().messages[0].caption, "No trobat directori...");
    EXPECT_EQ(Fake().messages[0].text, "C:\\Gone");
    EXPECT_EQ(Fake().messages[0].icon, MessageIcon::Exclamation);
}

TEST_F(Launching, MenuCommandsAreTheToolsOwn) {
    const struct {
        int id;
        bool handled;
        std::vector<std::string> commands;
    } rows[] = {
        {500, false, {}},  {530, false, {}},          {531, true, {"one.exe"}}, {532, true, {"two.txt"}},
        {533, true, {}},   {534, true, {}},            {594, true, {}},            {595, false, {}},
        {0, false, {}},    {0x10000 + 531, true, {"one.exe"}},
    };
    for (const auto& row : rows) {
        ResetSystem();
        System().directories = {"C:\\Work", "C:\\Work dir"};
        ResetFake();
        EXPECT_EQ(HandleToolsCommand(static_cast<std::uint16_t>(row.id)), row.handled) << row.id;
        EXPECT_EQ(System().commands, row.commands) << row.id;
        EXPECT_TRUE(ModalDialogs().opened.empty());
    }
    // 533 is the tool with the missing directory: reported, not started.
    EXPECT_EQ(toolList.toolCount, 3);
}

TEST_F(Launching, ToolsEditionRebuildsTheMenuHoweverItEnds) {
    for (int result : {1, 0, -1}) {
        ResetModalDialogs();
        ResetMenu();
        ModalDialogs().result = result;
        ModalDialogs().whileOpen = [](const DialogHandlers&) {
            DeleteTool(toolList, 1);
            EXPECT_TRUE(HandleToolsCommand(501));  // posted meanwhile: no second dialog
        };
        EXPECT_TRUE(HandleToolsCommand(501));
        EXPECT_EQ(ModalDialogs().opened, std::vector<std::string>{"DlgTools"});
        EXPECT_EQ(ModalDialogs().owners, std::vector<DialogHandle>{kMain});
        EXPECT_EQ(Menu().tailUpdates, 1) << result;
        EXPECT_EQ(Menu().tail.size(), static_cast<std::size_t>(toolList.toolCount));
    }
    EXPECT_EQ(toolList.toolCount, 0);
    ResetSystem();
    EXPECT_TRUE(HandleToolsCommand(531));  // the menu may still name a deleted tool
    EXPECT_TRUE(System().commands.empty());
}

}  // namespace
