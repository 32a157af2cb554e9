#include "tests/support/fake_about_window.h"

#include "about/about_window.h"

namespace {
std::vector<std::string> titles;
}

std::vector<std::string>& AboutTitles() { return titles; }

void ShowAbout(std::string_view title, int) { titles.emplace_back(title); }
void RunAbout(std::string_view title, std::string_view, int) { titles.emplace_back(title); }
