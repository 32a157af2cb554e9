// ovanta-solve: the program's solver on the command line. Everything but the files and the
// standard streams is in the functions it calls; the entry point, the arguments and the file
// names come through cli/console.h.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/command_line.h"
#include "cli/console.h"

namespace {

int RunBatchFile(const std::string& name) {
    const bool standardInput = name == "-";
    if (!standardInput && IsFolder(name)) {
        WriteText(stderr, "cannot read " + name + ": it is a folder\n");
        return 2;
    }
    if (standardInput) UseBinaryStandardInput();
    std::FILE* in = standardInput ? stdin : OpenInputFile(name);
    if (!in) {
        WriteText(stderr, "cannot open " + name + ": " + std::strerror(errno) + "\n");
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
        [](std::string_view text) { return WriteText(stdout, text); }, error);
    if (readFailed) error = "cannot read " + name + (readError ? std::string(": ") + std::strerror(readError) : "");
    if (status == 0 && std::fflush(stdout) != 0) {
        error = "the output cannot be written";
        status = 2;
    }
    if (!standardInput) std::fclose(in);
    if (status != 0) WriteText(stderr, error + "\n");
    return status;
}

}  // namespace

int SolveMain(const std::vector<std::string>& arguments) {
    const std::vector<std::string_view> args(arguments.begin(), arguments.end());
    const CommandResult result = RunCommandLine(args);
    if (result.batch) return RunBatchFile(result.batchFile);
    WriteText(stderr, result.err);
    if (!WriteText(stdout, result.out) || std::fflush(stdout) != 0) {
        WriteText(stderr, "the output cannot be written\n");
        return 2;
    }
    return result.status;
}
