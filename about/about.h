// The About window's contents: the program's name in large letters, the title it is given, the
// maker with the year of the program file, the maker's web and mail addresses, and a button that
// closes it. The window itself is behind about_window.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern const char* const kMakerName;
extern const char* const kMakerWeb;
extern const char* const kMakerMail;

// A file name without its directory (after the last "\" or "/") and without its extension
// (before the last "."; a name without one stays whole).
std::string ProgramName(std::string_view modulePath);

// The caption's first word and the button's seven interjections, number 1..7, by language
// (0 Catalan, 1 English, 2 Spanish; any other index counts as English). Windows-1252 bytes.
const char* TitlePrefix(int language);
const char* Interjection(int language, int number);
// A number 1..7, spread evenly over the seeds.
int InterjectionNumber(std::uint32_t seed);

// "About Ovanta..." in English.
std::string AboutCaption(int language, std::string_view programName);

enum class AboutColour { Title, Text };

struct AboutText {
    int x, y;  // top-left corner of the text in the client area, pixels
    AboutColour colour;
    std::string text;
};

// The small texts of the window, in drawing order: the title, the maker's line with the year
// (the maker alone when the year is unknown), the web line and, when contact is not empty,
// the mail line. The program's name is drawn apart, in large letters.
std::vector<AboutText> AboutTexts(std::string_view title, std::string_view year, int language,
                                  std::string_view contact);
