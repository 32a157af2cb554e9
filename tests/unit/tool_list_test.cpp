// The tool list and Tools.rel: golden files read and written byte for byte, the list's
// delete, move and store semantics, and saving that never loses the old file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/fake_dialog.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_system.h"
#include "tools/tool_list.h"
#include "text/words.h"

namespace fs = std::filesystem;

namespace {

// A golden file's bytes, from the disk.
std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The files the program reads and writes are the fake's, in memory.
std::string Bytes(const std::string& path) { return Files().files[path]; }
void WriteBytes(const std::string& path, const std::string& bytes) { Files().files[path] = bytes; }

fs::path Golden(const char* name) { return fs::path(OVANTA_TEST_DATA) / "tools" / name; }

ToolEntry Tool(std::string title, std::string file, std::string directory, std::string parameters) {
    return {std::move(title), std::move(file), std::move(directory), std::move(parameters)};
}

const std::vector<ToolEntry> kThree = {
    Tool("Calculator", "calc.exe", "C:\\Windows", ""),
    Tool("C\xe0lcul \xab\xfc\xbb", "C:\\Program Files\\Editor\\ed.exe notes.txt", "", "-x \xff\x80"),
    Tool("&Report", "report.txt", "C:\\Users\\Anna\\My Documents", "param"),
};

ToolList toolList;

std::vector<ToolEntry> ListNow() {
    std::vector<ToolEntry> tools;
    for (int p = 1; p <= toolList.toolCount; ++p) tools.push_back(ToolAt(toolList, p));
    return tools;
}

void SetList(const std::vector<ToolEntry>& tools) {
    ClearToolList(toolList);
    for (const ToolEntry& tool : tools) {
        AppendTool(toolList);
        ToolAt(toolList, toolList.toolCount) = tool;
    }
}

std::string Describe(const std::vector<ToolEntry>& tools) {
    std::string text;
    for (const ToolEntry& t : tools) text += "[" + t.title + "|" + t.file + "|" + t.workDirectory + "|" + t.parameters + "]";
    return text;
}

class ToolFile : public testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        ResetSystem();
        ResetFiles();
        ClearToolList(toolList);
        Files().directories = {dir_};
    }
    void TearDown() override { ClearToolList(toolList); }
    bool Load(const std::string& bytes) {
        WriteBytes(path_, bytes);
        System().files.insert(path_);
        return LoadToolList(toolList, kEnglish, path_);
    }
    // The names of the files in the list's directory.
    std::vector<std::string> Entries() {
        std::vector<std::string> names;
        for (const auto& [path, bytes] : Files().files)
            if (path.rfind(dir_ + "\\", 0) == 0) names.push_back(path.substr(dir_.size() + 1));
        return names;
    }
    const std::string dir_ = "C:\\Lists";
    const std::string path_ = dir_ + "\\Tools.rel";
};

TEST_F(ToolFile, GoldenFilesLoad) {
    const std::vector<ToolEntry> one = {kThree[0]};
    const struct {
        const char* file;
        std::vector<ToolEntry> tools;
    } rows[] = {
        {"empty.rel", {}},
        {"three_crlf.rel", kThree},
        {"three_lf.rel", kThree},
        {"three_cr.rel", kThree},
        {"three_mixed.rel", kThree},
        {"all_empty.rel", {ToolEntry()}},
        {"six_lines.rel", {Tool("One", "one.exe", "", ""), Tool("Two", "two.exe", "", "")}},
        {"trailing_empty_line.rel", {kThree[0], ToolEntry()}},
        {"ctrl_z.rel", one},
        {"title_255.rel", {Tool(std::string(255, 'T'), "f", "d", "p")}},
        {"line_300.rel", {Tool(std::string(255, 'A'), "file.exe", "C:\\Dir", "params")}},
    };
    for (const auto& row : rows) {
        SetList({Tool("old", "", "", "")});
        EXPECT_TRUE(Load(Bytes(Golden(row.file)))) << row.file;
        EXPECT_EQ(Describe(ListNow()), Describe(row.tools)) << row.file;
    }
    EXPECT_TRUE(Fake().messages.empty());
}

TEST_F(ToolFile, OddLineEndsAndBytes) {
    const struct {
        const char* label;
        std::string bytes;
        std::vector<ToolEntry> tools;
    } rows[] = {
        {"CR CR LF is an empty line", "a\r\r\nb\r\nc\r\n", {Tool("a", "", "b", "c")}},
        {"LF CR is two line ends", "a\n\rb\r\n", {Tool("a", "", "b", "")}},
        {"CR at the very end", "a\rb\rc\rd\r", {Tool("a", "b", "c", "d")}},
        {"no line end at all", "title", {Tool("title", "", "", "")}},
        {"Ctrl-Z at once ends an empty list", "\x1a" "a\r\nb\r\n", {}},
        {"Ctrl-Z inside a line is a byte", "a\x1a" "b\r\n\x1a\r\n", {Tool("a\x1a" "b", "\x1a", "", "")}},
        {"NUL bytes are kept", std::string("a\0b\r\n", 5), {Tool(std::string("a\0b", 3), "", "", "")}},
        {"two empty lines after a tool", "a\r\nb\r\nc\r\nd\r\n\r\n\r\n", {Tool("a", "b", "c", "d"), ToolEntry()}},
        {"a long line ended by a lone CR", std::string(400, 'x') + "\ry\r\n", {Tool(std::string(255, 'x'), "y", "", "")}},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(Load(row.bytes)) << row.label;
        EXPECT_EQ(Describe(ListNow()), Describe(row.tools)) << row.label;
    }
}

TEST_F(ToolFile, GoldenFilesSave) {
    const struct {
        const char* file;
        std::vector<ToolEntry> tools;
    } rows[] = {
        {"empty.rel", {}},
        {"three_crlf.rel", kThree},
        {"all_empty.rel", {ToolEntry()}},
        {"title_255.rel", {Tool(std::string(255, 'T'), "f", "d", "p")}},
    };
    for (const auto& row : rows) {
        SetList(row.tools);
        ASSERT_TRUE(SaveToolList(toolList, path_)) << row.file;
        EXPECT_EQ(Bytes(path_), Bytes(Golden(row.file))) << row.file;
        EXPECT_EQ(Entries(), std::vector<std::string>{"Tools.rel"}) << row.file;
    }
}

TEST_F(ToolFile, MissingFileKeepsTheList) {
    SetList(kThree);
    EXPECT_FALSE(LoadToolList(toolList, kEnglish, path_));  // not found by the search
    WriteBytes(path_, "x\r\n");
    EXPECT_FALSE(LoadToolList(toolList, kEnglish, path_));  // still not: a system file, say
    System().files.insert(dir_ + "\\Gone.rel");
    EXPECT_FALSE(LoadToolList(toolList, kEnglish, dir_ + "\\Gone.rel"));  // found, cannot be opened
    EXPECT_EQ(Describe(ListNow()), Describe(kThree));
}

TEST_F(ToolFile, LoadingStopsAt64ToolsAndSaysSoOnce) {
    const struct {
        int groups;
        const char* tail;
        bool told;
    } rows[] = {{64, "", false}, {64, "\x1a", false}, {65, "", true}, {300, "", true}, {64, "\r\n", true}};
    for (const auto& row : rows) {
        ResetFake();
        std::string bytes;
        for (int g = 0; g < row.groups; ++g) bytes += "T" + std::to_string(g) + "\r\nf\r\nd\r\np\r\n";
        EXPECT_TRUE(Load(bytes + row.tail)) << row.groups;
        EXPECT_EQ(toolList.toolCount, 64) << row.groups;
        EXPECT_EQ(ToolAt(toolList, 64).title, "T63");
        ASSERT_EQ(Fake().messages.size(), row.told ? 1u : 0u) << row.groups;
        if (row.told) {
            EXPECT_NE(Fake().messages[0].text.find("64"), std::string::npos);
        }
    }
}

// Every operation of a save is made to fail in turn: the old file must come through byte for
// byte, and no temporary file may stay.
TEST_F(ToolFile, FailedSaveKeepsTheOldFile) {
    const std::string old = Bytes(Golden("three_crlf.rel"));
    const std::vector<ToolEntry> newList = {Tool("New", "new.exe", "", ""), kThree[1], ToolEntry()};
    WriteBytes(path_, old);
    SetList(newList);
    ASSERT_TRUE(SaveToolList(toolList, path_));
    const int operations = Files().operations;
    const std::vector<std::string> log = Files().log;
    ASSERT_EQ(operations, 6);  // create, three writes, close, replace
    const std::string fresh = Bytes(path_);
    for (int k = 0; k < operations; ++k) {
        ResetFiles();
        Files().directories = {dir_};
        WriteBytes(path_, old);
        Files().failAt = k;
        bool saved = SaveToolList(toolList, path_);
        // A failed create only means the next temporary name is tried.
        EXPECT_EQ(saved, log[k].rfind("create", 0) == 0) << log[k];
        EXPECT_EQ(Bytes(path_), saved ? fresh : old) << log[k];
        EXPECT_EQ(Entries(), std::vector<std::string>{"Tools.rel"}) << log[k];
        EXPECT_EQ(Describe(ListNow()), Describe(newList)) << log[k];
    }
}

TEST_F(ToolFile, UnwritableFileOrFolderRefusesTheSave) {
    WriteBytes(path_, "old\r\n");
    SetList(kThree);
    Files().readOnly.insert(path_);
    EXPECT_FALSE(SaveToolList(toolList, path_));
    EXPECT_EQ(Bytes(path_), "old\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"Tools.rel"});

    Files().readOnly.clear();
    EXPECT_FALSE(SaveToolList(toolList, dir_ + "\\missing\\Tools.rel"));

    // A stale temporary file of an earlier crash is neither used nor removed.
    WriteBytes(dir_ + "\\Tools.~1", "stale");
    EXPECT_TRUE(SaveToolList(toolList, path_));
    EXPECT_EQ(Bytes(dir_ + "\\Tools.~1"), "stale");
    EXPECT_EQ(Bytes(path_), Bytes(Golden("three_crlf.rel")));
}

TEST(ToolListEdit, DeleteMovesTheLaterToolsUp) {
    const struct {
        int position;
        const char* left;
    } rows[] = {{1, "BC"}, {2, "AC"}, {3, "AB"}, {0, "ABC"}, {4, "ABC"}};
    for (const auto& row : rows) {
        SetList({Tool("A", "a", "", ""), Tool("B", "b", "", ""), Tool("C", "c", "", "")});
        DeleteTool(toolList, row.position);
        std::string left;
        for (const ToolEntry& t : ListNow()) left += t.title;
        EXPECT_EQ(left, row.left) << row.position;
        EXPECT_EQ(toolList.toolCount, left.size());
        EXPECT_EQ(ListNow().back().file[0], left.back() - 'A' + 'a');
        for (int p = toolList.toolCount; p < MaxTools; ++p) EXPECT_EQ(toolList.entries[p], nullptr);
    }
    ClearToolList(toolList);
}

TEST(ToolListEdit, AppendStopsAt64AndFieldsAreCut) {
    ClearToolList(toolList);
    for (int n = 0; n < MaxTools; ++n) ASSERT_TRUE(AppendTool(toolList));
    EXPECT_FALSE(AppendTool(toolList));
    EXPECT_EQ(toolList.toolCount, 64);
    ToolEntry& last = ToolAt(toolList, 64);
    SetToolFields(last, std::string(300, 't'), std::string(255, 'f'), "", std::string(256, 'p'));
    EXPECT_EQ(last.title, std::string(255, 't'));
    EXPECT_EQ(last.file, std::string(255, 'f'));
    EXPECT_EQ(last.parameters, std::string(255, 'p'));
    SetToolFields(ToolAt(toolList, 1), "first", "", "", "");
    SwapTools(toolList, 1, 64);
    EXPECT_EQ(ToolAt(toolList, 1).title.size(), 255u);
    EXPECT_EQ(ToolAt(toolList, 64).title, "first");
    ClearToolList(toolList);
}

}  // namespace
