#include "text/words.h"

namespace {

// In language order; a new language's table joins here.
const WordTexts* const kTables[kLanguageCount] = {&kCatalanWords, &kEnglishWords, &kSpanishWords};

}  // namespace

const char* Say(Word id, int language) {
    const auto at = static_cast<std::size_t>(id);
    if (at >= kWordCount) return "";
    if (language < 0 || language >= kLanguageCount) language = kEnglish;
    return (*kTables[language])[at];
}

std::string SayWith(Word id, int language, std::initializer_list<std::string> pieces) {
    std::string text;
    for (const char* at = Say(id, language); *at; ++at) {
        const bool mark = at[0] == '%' && at[1] >= '1' && at[1] <= '9';
        const std::size_t n = mark ? static_cast<std::size_t>(at[1] - '1') : pieces.size();
        if (n < pieces.size()) {
            text += pieces.begin()[n];
            ++at;
        } else {
            text += *at;
        }
    }
    return text;
}
