// The program's language: which one it starts in, and switching it while a case is on screen.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "app/language.h"
#include "resources/ids.h"
#include "tests/support/fake_menu.h"
#include "tests/support/fake_settings.h"
#include "tests/support/fake_system.h"
#include "tests/support/main_dialog_fake.h"
#include "text/words.h"

namespace {

TEST(Language, StartsInTheRememberedOneElseTheDisplayLanguage) {
    const struct {
        int remembered;
        DisplayLanguage display;
        int expected;
    } cases[] = {
        {-1, DisplayLanguage::Catalan, kCatalan},  {-1, DisplayLanguage::Spanish, kSpanish},
        {-1, DisplayLanguage::Other, kEnglish},    {kSpanish, DisplayLanguage::Catalan, kSpanish},
        {kEnglish, DisplayLanguage::Spanish, kEnglish}, {kCatalan, DisplayLanguage::Other, kCatalan},
        {3, DisplayLanguage::Spanish, kSpanish},  // a value that is no language is not one
    };
    for (const auto& c : cases)
        EXPECT_EQ(StartLanguage(c.remembered, c.display), c.expected) << c.remembered << " " << int(c.display);
}

// Alt and the underlined letter choose an item: in each menu, and among the labels of the
// Gravity and air dialog, every item has one, and no two share it, in every language.
TEST(Language, EveryMenuHasDistinctMnemonics) {
    const struct {
        const char* menu;
        std::vector<Word> items;
    } menus[] = {
        {"bar", {Word::MenuFile, Word::MenuTools, Word::MenuInfo, Word::MenuLanguage}},
        {"File", {Word::MenuSaveCase, Word::MenuCopyCaseFile, Word::MenuExportTable, Word::MenuSavePictureFile,
                  Word::MenuExit}},
        {"Info", {Word::MenuGuide, Word::MenuAbout, Word::MenuConditions}},
        {"Language", {Word::LanguageCatalan, Word::LanguageEnglish, Word::LanguageSpanish}},
        {"plot", {Word::MenuPlay, Word::MenuClearPaths, Word::MenuCopyCase, Word::MenuSavePicture}},
        {"Gravity and air", {Word::ConditionsWorldLabel, Word::ConditionsGravityLabel, Word::ConditionsAirBox,
                             Word::ConditionsBallLabel, Word::ConditionsMassLabel, Word::ConditionsDiameterLabel,
                             Word::ConditionsCdLabel, Word::ConditionsDensityLabel}},
    };
    for (int language = 0; language < kLanguageCount; ++language) {
        for (const auto& menu : menus) {
            // The plot menu's English "&Play" and "Save plot &picture" are the program's own
            // words and share their P.
            if (language == kEnglish && std::string(menu.menu) == "plot") continue;
            std::string letters;
            for (Word item : menu.items) {
                const std::string text = Say(item, language);
                const std::size_t amp = text.find('&');
                ASSERT_NE(amp, std::string::npos) << language << " " << text;
                const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[amp + 1])));
                EXPECT_EQ(letters.find(letter), std::string::npos) << language << " " << menu.menu << ": " << text;
                letters += letter;
            }
        }
    }
}

class LanguageSwitch : public testing::Test {
protected:
    void SetUp() override { dialog_ = OpenMainDialogFake(state_); }
    std::string Text(int id) { return FakeOf(dialog_).controls.at(id).text; }
    void Solve(const char* vo, const char* angle) {
        UserTypes(dialog_, IDC_VALUE_BASE + ParamVo, vo);
        UserTypes(dialog_, IDC_VALUE_BASE + ParamAngle, angle);
        UserClicks(dialog_, IDC_ACCEPT);
    }
    // Every field's text and tick, the earlier paths and the point: what the user must find
    // again in the new language.
    std::map<int, std::string> Case() {
        std::map<int, std::string> seen;
        for (const auto& [id, control] : FakeOf(dialog_).controls)
            if (control.isEdit || (id > IDC_GIVEN_BASE && id <= IDC_GIVEN_BASE + 7))
                seen[id] = control.text + (control.checked ? "+" : "-") + (control.enabled ? "e" : "d");
        seen[-1] = std::to_string(state_.view.earlier.count) + " earlier, solved " +
                   std::to_string(state_.motionCase.solved) + ", points " +
                   std::to_string(state_.pointQuery.solutionCount);
        return seen;
    }
    AppState state_;
    DialogHandle dialog_;
};

TEST_F(LanguageSwitch, TheDialogSpeaksTheNewLanguageAndKeepsTheCase) {
    Solve("20", "60");
    Solve("20", "45");
    UserTypes(dialog_, IDC_POINT_BASE + 2, "5");  // y: two solutions
    UserClicks(dialog_, IDC_POINT_ACCEPT);
    const std::map<int, std::string> before = Case();
    const std::string englishStatus = Text(IDC_STATUS);
    ASSERT_EQ(englishStatus.rfind("Lands 40.775 m", 0), 0u) << englishStatus;

    UserClicks(dialog_, IDM_LANGUAGE_ES);
    EXPECT_EQ(state_.languageIndex, kSpanish);
    EXPECT_EQ(Case(), before);
    EXPECT_EQ(Text(IDC_STATUS).rfind("Cae a 40.775 m", 0), 0u) << Text(IDC_STATUS);
    EXPECT_EQ(Text(IDC_ACCEPT), "Aceptar");
    EXPECT_EQ(Text(IDC_POINT_GROUP), "Punto de la trayectoria");
    EXPECT_EQ(Text(IDC_SECOND_X).rfind("x2: ", 0), 0u);
    EXPECT_GT(Text(IDC_SECOND_X).size(), 4u);  // the second solution's value stays
    EXPECT_EQ(Menu().popupTitles[1], "&Archivo");
    EXPECT_EQ(Menu().commandTexts[IDM_SAVE_CASE], "&Guardar caso");
    EXPECT_EQ(Menu().chosen, IDM_LANGUAGE_ES);
    EXPECT_EQ(Settings().language, kSpanish);

    UserClicks(dialog_, IDM_LANGUAGE_CA);
    EXPECT_EQ(Case(), before);
    EXPECT_EQ(Text(IDC_EXIT), "Surt");
    UserClicks(dialog_, IDM_LANGUAGE_EN);
    EXPECT_EQ(Case(), before);
    EXPECT_EQ(Text(IDC_STATUS), englishStatus);
    EXPECT_EQ(Menu().popupTitles[1], "&File");
}

TEST_F(LanguageSwitch, WorksForTheRunWhenItCannotBeRemembered) {
    Settings().writable = false;
    UserClicks(dialog_, IDM_LANGUAGE_CA);
    EXPECT_EQ(state_.languageIndex, kCatalan);
    EXPECT_EQ(Text(IDC_ACCEPT), "Accepta");
    EXPECT_EQ(Settings().language, -1);
}

TEST_F(LanguageSwitch, InfoOpensTheGuideOfTheLanguageOrElseTheEnglishOne) {
    UserClicks(dialog_, IDM_LANGUAGE_ES);
    UserClicks(dialog_, IDM_INFO);
    System().files.insert("Ovanta-es.pdf");
    UserClicks(dialog_, IDM_INFO);
    ASSERT_EQ(System().commands.size(), 2u);
    EXPECT_EQ(System().commands[0], "Ovanta.pdf");
    EXPECT_EQ(System().commands[1], "Ovanta-es.pdf");
}

}  // namespace
