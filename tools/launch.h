// Starting programs and opening documents.
#pragma once

#include <string>
#include <string_view>

#include "tools/tool_list.h"

// How a command text is started.
struct LaunchPlan {
    enum Kind { Nothing, Program, Document } kind = Nothing;
    std::string target;     // the program's path (quotes removed) or the document's name
    std::string arguments;  // the program's arguments or the document's parameters
};

// Splits a command text (its first 255 characters). A text containing ".exe", in any case, is a
// program: the first path ending in ".exe" (followed by a blank, a quote or nothing), without its
// quotes, that names an existing file; otherwise the first word, when it has no folder in it and
// FindProgram finds it (its full path is the target); otherwise the path up to the first ".exe"
// that ends a name (else simply the first ".exe"). The arguments are the rest after the blanks
// and closing quote that follow the program. Any other text is a document: the whole text when
// it names an existing file, the part inside leading quotes when it starts with one, otherwise
// the part before the first blank, with the rest after that blank as parameters. A text of
// blanks only, or an empty one, starts nothing. The text, and so the plan, is UTF-8.
LaunchPlan PlanLaunch(std::string_view text);

// Starts a program or opens a document as PlanLaunch splits it: a program by its own path (a
// bare name is looked up in the current directory, then the system's folders and PATH), with
// the current directory as its own; a document through the shell's "open". A start that fails
// is reported in a message box naming the command, in the words of `language`. The text is
// Windows-1252, as Tools.rel keeps it. True when something started.
bool RunCommand(std::string_view text, int language);

// Starts a tool (its fields Windows-1252): its work directory (when not empty) is made current
// while its file field is run, and the current directory is restored afterwards. A work
// directory that is not found, or cannot be made current, is reported ("No trobat
// directori...") and nothing starts.
void LaunchTool(const ToolEntry& entry, int language);
