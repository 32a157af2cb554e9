#include <windows.h>

#include <shellapi.h>

#include <string>

#include "tools/launch.h"
#include "tools/system.h"
#include "ui/deferred_dlls_win32.h"
#include "ui/fields.h"
#include "ui/numtext.h"

namespace {

constexpr unsigned kExclamation = MB_ICONEXCLAMATION;

// The program's full path: a name with a folder in it is taken as it is (relative to the
// current directory); a bare name is searched for.
std::string ProgramPath(const std::string& name) {
    if (name.find_first_of("\\/:") != std::string::npos) return name;
    std::string found = FindProgram(name);
    return found.empty() ? name : found;
}

std::string Reason(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND: return "File not found.";
        case ERROR_PATH_NOT_FOUND: return "Path not found.";
        case ERROR_ACCESS_DENIED: return "Access denied.";
        case ERROR_BAD_FORMAT:
        case ERROR_BAD_EXE_FORMAT: return "Not a program this system can run.";
        case SE_ERR_NOASSOC: return "No program is associated with this kind of file.";
        default: return std::string("Error ").append(IntToText(static_cast<std::int32_t>(error))).append(".");
    }
}

void ReportFailure(std::string_view text, DWORD error) {
    std::string message(1, '"');
    message.append(text.substr(0, 200)).append("\"\r\n\r\n").append(Reason(error));
    ShowMessageStyled("Cannot start", message, kExclamation);
}

int StartProgram(const LaunchPlan& plan) {
    std::string program = ProgramPath(plan.target);
    std::string commandLine(1, '"');
    commandLine.append(program).append(1, '"');
    if (!plan.arguments.empty()) commandLine.append(1, ' ').append(plan.arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    // The application name is given, so CreateProcess never guesses where the program's name
    // ends in a path with blanks.
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -static_cast<int>(GetLastError());
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 33;  // above 31, as a successful start has always answered
}

// The shell's "open" of a document with its parameters; `command` names it in a failure report.
int OpenWithShell(const std::string& file, const std::string& parameters, std::string_view command,
                  bool reportFailure) {
    auto result = reinterpret_cast<INT_PTR>(DeferredShellExecuteA(nullptr, "open", file.c_str(),
                                                          parameters.empty() ? nullptr : parameters.c_str(),
                                                          "", SW_SHOW));
    if (result <= 32 && reportFailure) ReportFailure(command, static_cast<DWORD>(result));
    return static_cast<int>(result & 0xFFFF);
}

}  // namespace

int RunCommand(std::string_view text) {
    text = text.substr(0, 255);
    LaunchPlan plan = PlanLaunch(text);
    if (plan.kind == LaunchPlan::Nothing) return 0;
    if (plan.kind == LaunchPlan::Program) {
        int result = StartProgram(plan);
        if (result < 0) {
            ReportFailure(text, static_cast<DWORD>(-result));
            return -result & 0xFFFF;
        }
        return result;
    }
    return OpenWithShell(plan.target, plan.arguments, text, true);
}

int OpenDocument(std::string_view path, bool reportFailure) {
    return OpenWithShell(std::string(path), "", path, reportFailure);
}
