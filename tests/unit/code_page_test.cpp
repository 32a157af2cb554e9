// Windows-1252 and UTF-8: the texts of Tools.rel and the program against the paths of the system.
#include <gtest/gtest.h>

#include <string>

#include "text/code_page.h"
#include "tools/tool_list.h"

namespace {

TEST(CodePage, Utf8ToWindows1252KeepsOnlyWhatItCanHold) {
    const struct {
        const char* label;
        std::string utf8, text;
        bool whole;
    } rows[] = {
        {"ASCII", "C:\\Tools\\run.exe", "C:\\Tools\\run.exe", true},
        {"Latin-1 letter", "Caf\xC3\xA9", "Caf\xE9", true},
        {"the euro, from 0x80..0x9F", "\xE2\x82\xAC \xC5\xBD", "\x80 \x8E", true},
        {"a Polish letter", "\xC5\x82odz", "?odz", false},
        {"a Greek letter", "\xCF\x89.png", "?.png", false},
        {"outside the BMP", "\xF0\x9F\x98\x80!", "?!", false},
        {"a lone continuation byte", "a\xB2", "a?", false},
        {"an overlong slash", "\xC0\xAF", "??", false},
        {"a surrogate", "\xED\xA0\x80", "?", false},
        {"cut short", "x\xC3", "x?", false},
    };
    for (const auto& row : rows) {
        std::string text;
        EXPECT_EQ(Utf8ToCp1252(row.utf8, text), row.whole) << row.label;
        EXPECT_EQ(text, row.text) << row.label;
    }
}

// Every byte of Windows-1252 goes to UTF-8 and back unchanged, so a tool's path reaches the
// system with its letters and Tools.rel keeps its bytes.
TEST(CodePage, EveryWindows1252ByteRoundTrips) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    std::string back;
    EXPECT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

TEST(CodePage, ToolListLiesInTheStartFolder) {
    const struct {
        const char *folder, *path;
    } rows[] = {
        {"C:\\Users\\\xC5\x81ukasz\\Ovanta", "C:\\Users\\\xC5\x81ukasz\\Ovanta\\Tools.rel"},
        {"C:\\", "C:\\Tools.rel"},
        {"\\\\server\\share\\", "\\\\server\\share\\Tools.rel"},
        {"", "Tools.rel"},
    };
    for (const auto& row : rows) EXPECT_EQ(ToolListPath(row.folder), row.path) << row.folder;
}

}  // namespace
