#include <windows.h>

#include <string>

#include "tools/launch.h"

int RunCommand(std::string_view text) {
    std::string file(text.substr(0, 255));
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", file.c_str(), nullptr, nullptr, SW_SHOW));
    return static_cast<int>(result & 0xFFFF);
}
