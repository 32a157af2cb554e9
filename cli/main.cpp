// ovanta-solve: the program's solver on the command line. Everything but the files and the
// standard streams is in the functions it calls.
#include <sys/stat.h>

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

// Windows refuses to open a folder as "permission denied", Linux opens it and fails the first
// read: both are told apart before, so that the message says what is wrong.
bool IsFolder(const std::string& name) {
    struct stat info;
    return stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int RunBatchFile(const std::string& name) {
    const bool standardInput = name == "-";
    if (!standardInput && IsFolder(name)) {
        std::fprintf(stderr, "cannot read %s: it is a folder\n", name.c_str());
        return 2;
    }
    std::FILE* in = standardInput ? stdin : std::fopen(name.c_str(), "rb");
    if (!in) {
        std::fprintf(stderr, "cannot open %s: %s\n", name.c_str(), std::strerror(errno));
        return 2;
    }
    std::string error;
    bool readFailed = false;
    int readError = 0;
    int status = RunBatch(
        [in, &readFailed, &readError](char* buffer, std::size_t size) {
            const std::size_t n = std::fread(buffer, 1, size, in);
            if (n > 0 || !std::ferror(in)) return n;
            readFailed = true;
            readError = errno;
            return CsvReader::kReadFailed;
        },
        [](std::string_view text) { return WriteAll(stdout, text); }, error);
    if (readFailed) error = "cannot read " + name + (readError ? std::string(": ") + std::strerror(readError) : "");
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
