// The Tools edition dialog's logic, driven through the dialog fake as the user drives it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_dialog.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_list_field.h"
#include "tests/support/fake_pickers.h"
#include "tests/support/fake_system.h"
#include "tools/tool_list.h"
#include "tools/tools_dialog.h"

namespace {

const DialogHandle kDialog = FakeDialogHandle(2);
const char kStart[] = "C:\\Start \xD0\x9F";  // the program's folder, in UTF-8
// The list the dialog edits, the path its file dialog keeps, and the dialog's own state.
ToolList tools;
std::string browsePath;
int language = 1;
ToolsDialog state;

void SetTools(const std::vector<std::string>& titles) {
    ClearToolList(tools);
    for (const std::string& title : titles) {
        AppendTool(tools);
        SetToolFields(ToolAt(tools, tools.toolCount), title, title + ".exe", "C:\\" + title, "-" + title);
    }
}

std::string Titles() {
    std::string titles;
    for (int p = 1; p <= tools.toolCount; ++p) titles += ToolAt(tools, p).title + ";";
    return titles;
}

class ToolsEdition : public testing::Test {
protected:
    void SetUp() override { Open({}); }
    void TearDown() override {
        ClearToolList(tools);
        language = 1;
    }
    // The dialog as its template makes it, started on a list of tools with these titles.
    void Open(const std::vector<std::string>& titles) {
        ResetFake();
        ResetSystem();
        ResetFiles();
        ResetLists();
        ResetPickers();
        SetTools(titles);
        state = ToolsDialog();
        state.list = &tools;
        state.browsePath = &browsePath;
        state.language = language;
        state.folder = kStart;
        FakeDialog& d = FakeOf(kDialog);
        d.caption = "Tools edition";
        auto add = [&d](int id, const char* text, bool isEdit = false) { d.controls[id] = {text, false, true, isEdit}; };
        add(30, "Tools");
        add(31, "Title");
        add(32, "File");
        add(33, "Work directory");
        add(34, "parameters");
        add(150, "Tool");
        add(40, "");
        for (int id = 100; id <= 103; ++id) add(id, "", true);
        add(2, "esc");
        add(3, "+");
        add(4, "-");
        add(5, "^");
        add(6, "v");
        add(10, "\xB7\xB7\xB7");
        add(15, "<- ok");
        add(20, "Ok");
        d.onCommand = [](int id, ControlEvent event) { ToolsDialogCommand(kDialog, id, event, state); };
        InitToolsDialog(kDialog, state);
    }
    std::string Text(int id) { return GetFieldText(kDialog, id); }
    bool Enabled(int id) { return FakeOf(kDialog).controls[id].enabled; }
    std::vector<std::string> Lines() { return ListOf(kDialog, 40)->lines; }
    int Selected() { return ListOf(kDialog, 40)->selected; }
    void Click(int id) { UserClicks(kDialog, id); }
    void Select(int line) { UserSelectsLine(kDialog, 40, line); }
    void Fill(const std::string& title, const std::string& file, const std::string& dir, const std::string& params) {
        UserTypes(kDialog, 100, title);
        UserTypes(kDialog, 101, file);
        UserTypes(kDialog, 102, dir);
        UserTypes(kDialog, 103, params);
    }
    void ExpectNewToolState(const char* where) {
        for (int id = 100; id <= 103; ++id) EXPECT_EQ(Text(id), "") << where << " edit " << id;
        for (int id : {4, 5, 6}) EXPECT_FALSE(Enabled(id)) << where << " button " << id;
        EXPECT_EQ(state.editPosition, tools.toolCount + 1) << where;
    }
};

TEST_F(ToolsEdition, EmptyListStartsNewAndStoreAddsTheFirstTool) {
    ExpectNewToolState("start");
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(FakeOf(kDialog).focus, -1);  // no control gets the focus at the start
    Fill("Calc", "calc.exe", "", "x");
    Click(15);
    EXPECT_EQ(Lines(), std::vector<std::string>{"Calc"});
    EXPECT_EQ(Selected(), -1);
    ASSERT_EQ(tools.toolCount, 1);
    EXPECT_EQ(ToolAt(tools, 1).file, "calc.exe");
    EXPECT_EQ(ToolAt(tools, 1).parameters, "x");
    ExpectNewToolState("after the store");
}

TEST_F(ToolsEdition, SelectionShowsTheToolAndSetsTheButtons) {
    const struct {
        std::vector<std::string> titles;
        int line;
        bool up, down;
    } rows[] = {
        {{"A", "B", "C"}, 0, false, true},
        {{"A", "B", "C"}, 1, true, true},
        {{"A", "B", "C"}, 2, true, false},
        {{"A"}, 0, false, false},
    };
    for (const auto& row : rows) {
        Open(row.titles);
        Select(row.line);
        const std::string& title = row.titles[row.line];
        EXPECT_EQ(Text(100), title);
        EXPECT_EQ(Text(101), title + ".exe");
        EXPECT_EQ(Text(102), "C:\\" + title);
        EXPECT_EQ(Text(103), "-" + title);
        EXPECT_TRUE(Enabled(4)) << title;
        EXPECT_EQ(Enabled(5), row.up) << title;
        EXPECT_EQ(Enabled(6), row.down) << title;
        EXPECT_EQ(state.editPosition, row.line + 1);
    }
}

TEST_F(ToolsEdition, MoveButtonsExchangeAndKeepTheToolSelected) {
    const struct {
        int line, button;
        const char* titles;
        int selected;
        bool up, down;
    } rows[] = {
        {1, 5, "B;A;C;", 0, false, true},
        {1, 6, "A;C;B;", 2, true, false},
        {0, 6, "B;A;C;", 1, true, true},
        {2, 5, "A;C;B;", 1, true, true},
    };
    for (const auto& row : rows) {
        Open({"A", "B", "C"});
        Select(row.line);
        UserTypes(kDialog, 100, "typed");  // not stored by a move; the edits keep it
        Click(row.button);
        EXPECT_EQ(Titles(), row.titles) << row.line << " " << row.button;
        EXPECT_EQ(Selected(), row.selected);
        EXPECT_EQ(state.editPosition, row.selected + 1);
        EXPECT_EQ(Enabled(5), row.up);
        EXPECT_EQ(Enabled(6), row.down);
        EXPECT_EQ(Text(100), "typed");
        std::string lines;
        for (const std::string& line : Lines()) lines += line + ";";
        EXPECT_EQ(lines, row.titles);
    }
    // A disabled button cannot be clicked; a stray command at an end does nothing.
    Open({"A", "B"});
    Select(0);
    ToolsDialogCommand(kDialog, 5, ControlEvent::Command, state);
    EXPECT_EQ(Titles(), "A;B;");
    ToolsDialogCommand(kDialog, 3, ControlEvent::Command, state);
    ToolsDialogCommand(kDialog, 6, ControlEvent::Command, state);
    EXPECT_EQ(Titles(), "A;B;");
}

TEST_F(ToolsEdition, DeleteAsksAndActsOnlyOnYes) {
    for (Answer answer : {Answer::No, Answer::Yes}) {
        Open({"A", "Be \"quoted\"", "C"});
        Select(1);
        Fake().answers.push_back(answer);
        Click(4);
        ASSERT_EQ(Fake().messages.size(), 1u);
        EXPECT_EQ(Fake().messages[0].caption, "Confirmar eliminar");
        EXPECT_EQ(Fake().messages[0].text, "Eliminar \"Be \"quoted\"\"?");
        EXPECT_TRUE(Fake().messages[0].question);
        EXPECT_EQ(Fake().messages[0].icon, MessageIcon::Question);
        if (answer == Answer::No) {
            EXPECT_EQ(Titles(), "A;Be \"quoted\";C;");
            EXPECT_EQ(Text(100), "Be \"quoted\"");
            EXPECT_TRUE(Enabled(4));
        } else {
            EXPECT_EQ(Titles(), "A;C;");
            EXPECT_EQ(Lines(), (std::vector<std::string>{"A", "C"}));
            ExpectNewToolState("after the delete");
        }
    }
}

TEST_F(ToolsEdition, StoreChangesTheSelectedToolOrAppends) {
    Open({"A", "B", "C"});
    Select(1);
    UserTypes(kDialog, 100, "Bee");
    Click(15);
    EXPECT_EQ(Titles(), "A;Bee;C;");
    EXPECT_EQ(ToolAt(tools, 2).file, "B.exe");
    EXPECT_EQ(Lines()[1], "Bee");
    EXPECT_EQ(Selected(), -1);
    ExpectNewToolState("after the change");

    Select(2);
    Click(3);  // "+": the edits are emptied, the selected tool stays as it was
    ExpectNewToolState("after +");
    Fill(std::string(300, 'n'), "", "", "");
    Click(15);
    EXPECT_EQ(tools.toolCount, 4);
    EXPECT_EQ(ToolAt(tools, 4).title, std::string(254, 'n'));  // an edit gives at most 254
    EXPECT_EQ(ToolAt(tools, 3).title, "C");
}

TEST_F(ToolsEdition, A65thToolIsRefused) {
    std::vector<std::string> titles;
    for (int n = 1; n <= MaxTools; ++n) titles.push_back("T" + std::to_string(n));
    Open(titles);
    Fill("one too many", "x.exe", "", "");
    Click(15);
    EXPECT_EQ(tools.toolCount, 64);
    ASSERT_EQ(Fake().messages.size(), 1u);
    EXPECT_NE(Fake().messages[0].text.find("64"), std::string::npos);
    EXPECT_EQ(Text(100), "one too many");  // kept, so that the user can store it elsewhere
    Select(63);
    UserTypes(kDialog, 100, "last");
    Click(15);  // changing a tool of a full list is fine
    EXPECT_EQ(ToolAt(tools, 64).title, "last");
    EXPECT_EQ(Fake().messages.size(), 1u);
}

TEST_F(ToolsEdition, BrowseSplitsThePathIntoFileAndFolder) {
    const std::string longName = std::string(120, 'f') + ".exe";
    const struct {
        const char* label;
        std::string chosen, typedDirectory, file, directory;
    } rows[] = {
        {"folder taken", "C:\\Apps\\calc.exe", "", "calc.exe", "C:\\Apps"},
        {"typed folder kept", "C:\\Apps\\calc.exe", "D:\\Mine", "calc.exe", "D:\\Mine"},
        {"drive root", "C:\\calc.exe", "", "calc.exe", "C:\\"},
        {"whole long name", "C:\\Apps\\" + longName, "", longName, "C:\\Apps"},
        {"no backslash", "calc.exe", "", "calc.exe", ""},
        {"root of the current drive", "\\calc.exe", "", "calc.exe", "\\"},
        {"blanks in the path", "C:\\Program Files\\My App\\run me.exe", "", "run me.exe", "C:\\Program Files\\My App"},
    };
    for (const auto& row : rows) {
        Open({"A"});
        Fill("typed title", "old file", row.typedDirectory, "typed params");
        Pickers().openAnswers.push_back(row.chosen);
        Click(10);
        EXPECT_EQ(Text(101), row.file) << row.label;
        EXPECT_EQ(Text(102), row.directory) << row.label;
        EXPECT_EQ(Text(100), "typed title") << row.label;
        EXPECT_EQ(Text(103), "typed params") << row.label;
        EXPECT_EQ(browsePath, row.chosen) << row.label;
        EXPECT_EQ(Titles(), "A;") << row.label;  // nothing reaches the list before "<- ok"
        EXPECT_EQ(state.editPosition, 2);
    }
    // The next browse starts where the last one ended; a cancel changes nothing.
    Fill("t", "f", "d", "p");
    Pickers().openAnswers.push_back("");
    Click(10);
    EXPECT_EQ(Pickers().openStarts.back(), browsePath);
    EXPECT_EQ(Text(101), "f");
    EXPECT_EQ(Text(102), "d");
}

// The open dialog may leave the current directory where the user browsed: it comes back to the
// program's folder, chosen or not. A path that Tools.rel (Windows-1252) cannot hold is refused.
TEST_F(ToolsEdition, BrowseReturnsToTheStartFolderAndKeepsOnlyWhatToolsRelCanHold) {
    const struct {
        const char* label;
        std::string chosen, file, directory;
        bool refused;
    } rows[] = {
        {"cancelled", "", "f", "d", false},
        {"Windows-1252 letters", "C:\\Caf\xC3\xA9\\\xE2\x82\xAC.exe", "\x80.exe", "d", false},
        {"a Polish letter", "C:\\\xC5\x81odz\\run.exe", "f", "d", true},
        {"a Cyrillic folder", "C:\\\xD0\x9F\\run.exe", "f", "d", true},
    };
    for (const auto& row : rows) {
        Open({"A"});
        Fill("t", "f", "d", "p");
        System().directories = {kStart, "C:\\Browsed"};
        Pickers().browsedDirectory = "C:\\Browsed";
        Pickers().openAnswers.push_back(row.chosen);
        Click(10);
        EXPECT_EQ(System().currentDirectory, kStart) << row.label;
        EXPECT_EQ(Text(101), row.file) << row.label;
        EXPECT_EQ(Text(102), row.directory) << row.label;
        ASSERT_EQ(Fake().messages.size(), row.refused ? 1u : 0u) << row.label;
        if (row.refused) {
            EXPECT_EQ(Fake().messages[0].text, "Tools.rel cannot keep the letters of this file's name:\r\n" + row.chosen);
        }
    }
}

TEST_F(ToolsEdition, EnterMovesTheFocusOn) {
    const struct {
        int from, to;
    } rows[] = {{100, 101}, {101, 102}, {102, 103}, {103, 15}, {15, 40}, {40, 40}, {3, 3}, {-1, -1}};
    for (const auto& row : rows) {
        FakeOf(kDialog).focus = row.from;
        ToolsDialogCommand(kDialog, 1, ControlEvent::Command, state);
        EXPECT_EQ(FakeOf(kDialog).focus, row.to) << row.from;
    }
    EXPECT_EQ(tools.toolCount, 0);  // Enter stores nothing
}

TEST_F(ToolsEdition, LabelsFollowTheLanguage) {
    const struct {
        int language;
        const char* caption;
        std::vector<std::string> labels;  // 30, 150, 31, 32, 33, 34
    } rows[] = {
        {0, "Edici\xF3 eines", {"Eines", "Eina", "T\xEDtol", "Fitxer", "Dir. de treball", "par\xE0metres"}},
        {2, "Edici\xF3n \xFAtiles", {"\xDAtiles", "\xDAtil", "T\xEDtulo", "Fichero", "Dir. de trabajo", "par\xE1metros"}},
        {1, "Tools edition", {"Tools", "Tool", "Title", "File", "Work directory", "parameters"}},
    };
    for (const auto& row : rows) {
        language = row.language;
        Open({});
        EXPECT_EQ(FakeOf(kDialog).caption, row.caption);
        const int ids[] = {30, 150, 31, 32, 33, 34};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(Text(ids[i]), row.labels[i]) << row.language << " " << ids[i];
        EXPECT_EQ(Text(15), "<- ok");
        EXPECT_EQ(Text(2), "esc");
    }
}

TEST_F(ToolsEdition, OkSavesAndEndsEscEndsAndKeepsTheChanges) {
    Open({"A", "B"});
    Select(0);
    Click(4);  // the question is answered No
    EXPECT_EQ(Titles(), "A;B;");
    Fake().answers.push_back(Answer::Yes);
    Click(4);
    EXPECT_EQ(Titles(), "B;");

    // Create, write, close, then the replace fails: the dialog stays open and says so.
    const std::string file = std::string(kStart) + "\\Tools.rel";
    Files().failAt = 3;
    Click(20);
    EXPECT_EQ(FakeOf(kDialog).endResult, -1);
    EXPECT_EQ(Files().files.count(file), 0u);
    ASSERT_EQ(Fake().messages.size(), 3u);  // the two questions, then the failure
    EXPECT_EQ(Fake().messages[2].caption, "Tools edition");
    EXPECT_EQ(Fake().messages[2].text,
              "The file cannot be replaced (it is read-only or in use); it is as it was:\r\n" + file);
    Files().failAt = -1;
    System().currentDirectory = "C:\\Elsewhere";  // the file is saved by its full path
    Click(20);
    EXPECT_EQ(FakeOf(kDialog).endResult, 1);
    EXPECT_EQ(Files().files[file], "B\r\nB.exe\r\nC:\\B\r\n-B\r\n");
    EXPECT_EQ(Fake().messages.size(), 3u);

    Open({"A", "B"});
    Select(1);
    Fake().answers.push_back(Answer::Yes);
    Click(4);
    Click(2);
    EXPECT_EQ(FakeOf(kDialog).endResult, 0);
    EXPECT_EQ(Titles(), "A;");  // kept in memory; the file is as the last Ok left it
}

}  // namespace
