// The settings seam: what the program remembers for the user between runs, and what it asks
// the system about the user. The program links settings_win32.cpp (the registry, under
// HKEY_CURRENT_USER\Software\Ovanta); the unit tests link tests/support/fake_settings.cpp.
#pragma once

// The language the user chose last (the value Language), or -1 when none is remembered or the
// value is not a language of the program (0..2).
int RememberedLanguage();
// Remembers the language for the next runs; false when it cannot be written (the choice then
// lasts for this run only).
bool RememberLanguage(int language);

// The language Windows shows its own texts in, for this user.
enum class DisplayLanguage { Catalan, Spanish, Other };
DisplayLanguage UserDisplayLanguage();
