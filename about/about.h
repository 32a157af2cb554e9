// The About window.
#pragma once

#include <string_view>

void ShowAbout(std::string_view title);
