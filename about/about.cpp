#include "about/about.h"

#include <random>

#include "text/words.h"

const char* const kMakerName = "Ovanta Workshop";
const char* const kMakerWeb = "www.ovanta.example.org";
const char* const kMakerMail = "ovanta@example.org";

std::string ProgramName(std::string_view modulePath) {
    std::string_view name = modulePath;
    if (auto slash = name.find_last_of("\\/"); slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    if (auto dot = name.rfind('.'); dot != std::string_view::npos) name = name.substr(0, dot);
    return std::string(name);
}

const char* TitlePrefix(int language) { return Say(Word::AboutPrefix, language); }

const char* Interjection(int language, int number) {
    if (number < 1 || number > 7) number = 1;
    return Say(static_cast<Word>(static_cast<int>(Word::Interjection1) + number - 1), language);
}

int InterjectionNumber(std::uint32_t seed) {
    std::mt19937 random(seed);  // its first draws are well mixed even for seeds close together
    return 1 + std::uniform_int_distribution<int>(0, 6)(random);
}

std::string AboutCaption(int language, std::string_view programName) {
    return TitlePrefix(language) + std::string(programName) + "...";
}

std::vector<AboutText> AboutTexts(std::string_view title, std::string_view year, int language,
                                  std::string_view contact) {
    const std::string web =
        Say(Word::AboutWeb, language) + (kMakerWeb + std::string(Say(Word::AboutWebPath, language)));
    std::string maker = kMakerName;
    if (!year.empty()) maker += " - " + std::string(year);
    std::vector<AboutText> texts = {
        {20, 50, AboutColour::Title, std::string(title)},
        {66, 120, AboutColour::Text, maker},
        {66, 134, AboutColour::Text, web},
    };
    if (!contact.empty())
        texts.push_back({66, 150, AboutColour::Text, Say(Word::AboutMail, language) + std::string(contact)});
    return texts;
}
