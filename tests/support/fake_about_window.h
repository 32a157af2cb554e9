// A stand-in for the About window: records the titles it was opened with.
#pragma once

#include <string>
#include <vector>

std::vector<std::string>& AboutTitles();
