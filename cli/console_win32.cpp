#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "cli/console.h"
#include "platform/wide_win32.h"

namespace {

// The console a stream writes to; null when it goes to a file or a pipe.
HANDLE ConsoleOf(std::FILE* stream) {
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

}  // namespace

std::FILE* OpenInputFile(const std::string& name) { return _wfopen(WideOf(name).c_str(), L"rb"); }

bool IsFolder(const std::string& name) {
    const DWORD attributes = GetFileAttributesW(WideOf(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void UseBinaryStandardInput() {
    // In text mode the C library ends the input at the first Ctrl-Z (0x1A), even inside a row
    // of a file or a pipe, and drops the CR of CR LF. A console keeps Ctrl-Z as its end of input.
    if (!_isatty(_fileno(stdin))) _setmode(_fileno(stdin), _O_BINARY);
}

bool WriteText(std::FILE* stream, std::string_view text) {
    // Files and pipes get the UTF-8 bytes; a console shows them in its own characters only
    // when they come as UTF-16.
    if (HANDLE console = ConsoleOf(stream)) {
        std::fflush(stream);
        const std::wstring wide = WideOf(text);
        DWORD written = 0;
        return wide.empty() || (WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written,
                                              nullptr) && written == wide.size());
    }
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

// Windows hands the arguments in UTF-16 to a program built with -municode; the ANSI ones would
// have lost every letter outside the code page.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Utf8Of(argv[i]));
    return SolveMain(args);
}
