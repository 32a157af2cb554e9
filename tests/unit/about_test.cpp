// The About window's portable parts: the program's name, the language tables and the texts.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "about/about.h"

namespace {

TEST(About, ProgramNameFromTheModulePath) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\Program Files\\Ovanta\\Ovanta.exe", "Ovanta"},
        {"C:\\Tools\\ovanta.shot.exe", "ovanta.shot"},  // everything before the last dot
        {"C:\\Tools\\Ovanta", "Ovanta"},                // no extension: the name whole
        {"C:\\my.folder\\Ovanta", "Ovanta"},            // a dot in a folder is not an extension
        {"Ovanta.exe", "Ovanta"},
        {"\\\\server\\share\\Ovanta.EXE", "Ovanta"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ProgramName(c.path), c.name) << c.path;
}

TEST(About, InterjectionsAndCaptionByLanguage) {
    const struct {
        int language;
        const char* prefix;
        const char* words[7];
    } cases[] = {
        {0, "Quant a ", {"buenu", "Ah!", "Oh!", "vaja!", "hum!", "mmm..", "i v\xE9s!"}},
        {1, "About ", {"Ok", "Ah!", "Oh!", "Bah!", "hum!", "mmm..", "Done"}},
        {2, "Respecto ", {"bueno", "\xA1" "Ah!", "\xA1" "Oh!", "ps\xE9", "hum!", "mmm..", "\xA1" "vaya!"}},
        {7, "About ", {"Ok", "Ah!", "Oh!", "Bah!", "hum!", "mmm..", "Done"}},  // unknown: English
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_STREQ(TitlePrefix(c.language), c.prefix);
        for (int n = 1; n <= 7; ++n) EXPECT_STREQ(Interjection(c.language, n), c.words[n - 1]) << n;
    }
    EXPECT_EQ(AboutCaption(1, "Ovanta"), "About Ovanta...");
    EXPECT_EQ(AboutCaption(0, "Ovanta"), "Quant a Ovanta...");
}

TEST(About, EveryInterjectionCanBeChosen) {
    std::set<int> seen;
    for (std::uint32_t seed = 0; seed < 1000; ++seed) {
        int number = InterjectionNumber(seed * 15u + 1);  // ticks of a few milliseconds apart
        ASSERT_GE(number, 1);
        ASSERT_LE(number, 7);
        seen.insert(number);
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST(About, TextsAndTheirPlaces) {
    auto texts = AboutTexts("Ovanta movement: calculations", "2026", 1, "ovanta@example.org");
    ASSERT_EQ(texts.size(), 4u);
    const struct {
        int x, y;
        AboutColour colour;
        const char* text;
    } expected[] = {
        {20, 50, AboutColour::Title, "Ovanta movement: calculations"},
        {66, 120, AboutColour::Text, "Ovanta Workshop - 2026"},
        {66, 134, AboutColour::Text, "web: www.ovanta.example.org/en"},
        {66, 150, AboutColour::Text, "mail: ovanta@example.org"},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texts[i].x, expected[i].x);
        EXPECT_EQ(texts[i].y, expected[i].y);
        EXPECT_EQ(texts[i].colour, expected[i].colour);
        EXPECT_EQ(texts[i].text, expected[i].text);
    }
    // Without a contact only the mail line goes; without a year the maker stands alone.
    auto bare = AboutTexts("T", "", 0, "");
    ASSERT_EQ(bare.size(), 3u);
    EXPECT_EQ(bare[1].text, "Ovanta Workshop");
    EXPECT_EQ(bare[2].text, "web: www.ovanta.example.org");
    EXPECT_EQ(AboutTexts("T", "2026", 2, "x")[2].text, "web: www.ovanta.example.org/es");
}

}  // namespace
