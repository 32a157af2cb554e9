#include "cli/console.h"

#include <sys/stat.h>

// On POSIX a file name is its bytes, as the arguments gave them: nothing is lost.
std::FILE* OpenInputFile(const std::string& name) { return std::fopen(name.c_str(), "rb"); }

bool IsFolder(const std::string& name) {
    struct stat info;
    return stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void UseBinaryStandardInput() {}  // POSIX streams never translate

bool WriteText(std::FILE* stream, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

int main(int argc, char** argv) { return SolveMain(std::vector<std::string>(argv + 1, argv + argc)); }
