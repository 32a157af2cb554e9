// The command line of ovanta-solve. The one-case form, --help and --version are answered here
// as text, without touching any file or stream; the batch form is handed back to the caller.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CommandResult {
    int status = 0;        // exit status: 0 done, 1 a refused case, 2 a usage error
    std::string out;       // for standard output
    std::string err;       // for standard error
    bool batch = false;    // the caller is to run the batch form on batchFile
    std::string batchFile; // "-" for standard input
};

// `args` are the arguments after the program's name.
CommandResult RunCommandLine(const std::vector<std::string_view>& args);
