// ovanta-solve: the program's solver on the command line. Everything but the files and the
// standard streams is in the functions it calls.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/command_line.h"

namespace {

bool WriteAll(std::FILE* stream, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

int RunBatchFile(const std::string& name) {
    const bool standardInput = name == "-";
    std::FILE* in = standardInput ? stdin : std::fopen(name.c_str(), "rb");
    if (!in) {
        std::fprintf(stderr, "cannot open %s: %s\n", name.c_str(), std::strerror(errno));
        return 2;
    }
    std::string error;
    int status = RunBatch(
        [in](char* buffer, std::size_t size) { return std::fread(buffer, 1, size, in); },
        [](std::string_view text) { return WriteAll(stdout, text); }, error);
    if (status == 0 && std::ferror(in)) {
        error = "cannot read " + name;
        status = 2;
    }
    if (status == 0 && std::fflush(stdout) != 0) {
        error = "the output cannot be written";
        status = 2;
    }
    if (!standardInput) std::fclose(in);
    if (status != 0) std::fprintf(stderr, "%s\n", error.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const CommandResult result = RunCommandLine(args);
    if (result.batch) return RunBatchFile(result.batchFile);
    WriteAll(stderr, result.err);
    if (!WriteAll(stdout, result.out) || std::fflush(stdout) != 0) {
        std::fputs("the output cannot be written\n", stderr);
        return 2;
    }
    return result.status;
}
