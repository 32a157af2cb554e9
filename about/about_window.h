// The About window seam: the window itself is Win32 (about_window_win32.cpp); the unit tests
// link tests/support/fake_about_window.cpp, which records the titles it was opened with.
#pragma once

#include <string_view>

// Opens the About window with this title and the maker's mail address, in the words of
// `language` (0 Catalan, 1 English, 2 Spanish), and returns when it has been closed. While it is
// open a second call brings it to the front and returns at once.
void ShowAbout(std::string_view title, int language);
// The same with any contact text; an empty one leaves the mail line out.
void RunAbout(std::string_view title, std::string_view contact, int language);
