#include "about/about.h"

// Not built yet.
void ShowAbout(std::string_view) {}
