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
