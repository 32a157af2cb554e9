#include "tools/launch.h"

#include "platform/dialog.h"
#include "platform/system.h"
#include "text/code_page.h"
#include "text/message_box.h"
#include "text/number_text.h"

namespace {

std::string_view SkipBlanks(std::string_view text) {
    std::size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

// The next ".exe" at or after `from`, in any case: Windows' names are not case-sensitive.
std::size_t FindExe(std::string_view text, std::size_t from) {
    for (std::size_t at = from; at + 4 <= text.size(); ++at) {
        if (text[at] != '.') continue;
        const char e = text[at + 1], x = text[at + 2], last = text[at + 3];
        if ((e == 'e' || e == 'E') && (x == 'x' || x == 'X') && (last == 'e' || last == 'E')) return at;
    }
    return std::string_view::npos;
}

// A name ends before a blank, a quote or the end of the text.
bool EndsName(std::string_view text, std::size_t end) {
    return end == text.size() || text[end] == ' ' || text[end] == '"';
}

// Where the program's name ends: after the first ".exe" that closes a name, so that
// "C:\Program Files\App\app.exe -x" is never read as C:\Program.exe with arguments.
std::size_t ProgramEnd(std::string_view text) {
    for (std::size_t at = FindExe(text, 0); at != std::string_view::npos; at = FindExe(text, at + 1))
        if (EndsName(text, at + 4)) return at + 4;
    return FindExe(text, 0) + 4;
}

// The program is the text up to `end` without its quotes; the arguments follow the closing
// quote and the blanks after it.
LaunchPlan ProgramUpTo(std::string_view text, std::size_t end) {
    LaunchPlan plan;
    plan.kind = LaunchPlan::Program;
    for (char c : text.substr(0, end))
        if (c != '"') plan.target.push_back(c);
    plan.target = std::string(SkipBlanks(plan.target));
    std::string_view rest = text.substr(end);
    if (!rest.empty() && rest[0] == '"') rest.remove_prefix(1);
    plan.arguments = std::string(SkipBlanks(rest));
    return plan;
}

LaunchPlan ProgramPlan(std::string_view text) {
    // A path that names an existing program wins, blanks and all.
    for (std::size_t at = FindExe(text, 0); at != std::string_view::npos; at = FindExe(text, at + 1)) {
        if (!EndsName(text, at + 4)) continue;
        LaunchPlan plan = ProgramUpTo(text, at + 4);
        // A wildcard would let the file search match some other file.
        if (plan.target.find_first_of("*?") == std::string::npos && FileExists(plan.target)) return plan;
    }
    // Otherwise a bare first word is a program looked up as the system does ("cmd /c echo
    // a.exe>f"). A first word with a folder in it is never looked up alone: the beginning of
    // "C:\Program Files\App\app.exe" must not find C:\Program.exe.
    std::string_view line = SkipBlanks(text);
    const std::size_t blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    if (word.find_first_of("\\/:\"") == std::string_view::npos) {
        if (std::string found = FindProgram(word); !found.empty()) {
            LaunchPlan plan;
            plan.kind = LaunchPlan::Program;
            plan.target = found;
            if (blank != std::string_view::npos) plan.arguments = std::string(SkipBlanks(line.substr(blank)));
            return plan;
        }
    }
    return ProgramUpTo(text, ProgramEnd(text));
}

std::string Reason(const StartOutcome& outcome, int language) {
    switch (outcome.error) {
        case StartError::None: return "";
        case StartError::FileNotFound: return Say(Word::StartFileNotFound, language);
        case StartError::PathNotFound: return Say(Word::StartPathNotFound, language);
        case StartError::AccessDenied: return Say(Word::StartAccessDenied, language);
        case StartError::NotAProgram: return Say(Word::StartNotAProgram, language);
        case StartError::NoAssociation: return Say(Word::StartNoAssociation, language);
        case StartError::Other: break;
    }
    return Say(Word::StartErrorNumber, language) + IntToText(static_cast<std::int32_t>(outcome.code)) + ".";
}

void ReportFailure(std::string_view text, const StartOutcome& outcome, int language) {
    std::string message(1, '"');
    message.append(text.substr(0, 200)).append("\"\r\n\r\n").append(Reason(outcome, language));
    ShowMessage({Say(Word::CannotStartCaption, language), message}, MessageIcon::Exclamation);
}

// The program's full path: a name with a folder in it is taken as it is (relative to the
// current directory); a bare name is searched for.
std::string ProgramPath(const std::string& name) {
    if (name.find_first_of("\\/:") != std::string::npos) return name;
    std::string found = FindProgram(name);
    return found.empty() ? name : found;
}

}  // namespace

LaunchPlan PlanLaunch(std::string_view text) {
    text = text.substr(0, 255);
    LaunchPlan plan;
    if (SkipBlanks(text).empty()) return plan;
    if (FindExe(text, 0) != std::string_view::npos) return ProgramPlan(text);
    plan.kind = LaunchPlan::Document;
    // A wildcard would let the file search match some other file.
    if (text.find_first_of("*?") == std::string_view::npos && FileExists(text)) {
        plan.target = std::string(text);
        return plan;
    }
    if (text[0] == '"') {
        std::size_t close = text.find('"', 1);
        if (close != std::string_view::npos) {
            plan.target = std::string(text.substr(1, close - 1));
            plan.arguments = std::string(SkipBlanks(text.substr(close + 1)));
            return plan;
        }
    }
    std::size_t blank = text.find(' ');
    plan.target = std::string(text.substr(0, blank));
    if (blank != std::string_view::npos) plan.arguments = std::string(text.substr(blank + 1));
    return plan;
}

bool RunCommand(std::string_view text, int language) {
    text = text.substr(0, 255);
    // The command's paths, as the system calls take them, with every letter of the text.
    const LaunchPlan plan = PlanLaunch(Cp1252ToUtf8(text));
    if (plan.kind == LaunchPlan::Nothing) return false;
    const StartOutcome outcome = plan.kind == LaunchPlan::Program
                                     ? StartProgram(ProgramPath(plan.target), plan.arguments)
                                     : OpenWithShell(plan.target, plan.arguments);
    if (outcome.error != StartError::None) ReportFailure(text, outcome, language);
    return outcome.error == StartError::None;
}

void LaunchTool(const ToolEntry& entry, int language) {
    const std::string savedDirectory = CurrentDirectory();
    const std::string& directory = entry.workDirectory;
    if (!directory.empty()) {
        // A directory that exists but cannot be entered is no more usable than a missing one.
        const std::string path = Cp1252ToUtf8(directory);
        if (!DirectoryExists(path) || !SetCurrentDirectoryTo(path)) {
            ShowMessage({Say(Word::NoDirectoryCaption, language), directory}, MessageIcon::Exclamation);
            return;
        }
    }
    RunCommand(entry.file, language);
    SetCurrentDirectoryTo(savedDirectory);
}
