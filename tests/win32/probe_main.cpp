// A tiny program for the launch tests: it leaves "ran-NAME.txt" (NAME being its own file name
// without ".exe") in its current directory, holding the command line it was given.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string name = module;
    name = name.substr(name.find_last_of('\\') + 1);
    if (name.size() > 4) name.resize(name.size() - 4);
    std::FILE* out = std::fopen(("ran-" + name + ".txt").c_str(), "wb");
    if (!out) return 1;
    std::fputs(GetCommandLineA(), out);
    return std::fclose(out) == 0 ? 0 : 1;
}
