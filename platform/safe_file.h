// Writing a whole file so that a failure never costs the user what the file held: the bytes go
// into a new file beside it, which takes its place only once every byte is written and on the
// disk. Portable, on the file-writing seam (files.h); the tests inject a failure at any step.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class SaveOutcome {
    Saved,
    NoTemporary,  // no new file could be made in the target's folder (gone, no access, bad name)
    NotWritten,   // a write or the flush failed; the temporary file is gone, the target untouched
    NotReplaced,  // the target cannot be replaced (read-only, in use, a folder); it is untouched
};

// Writes `pieces`, one write each, into a temporary file in the folder of `path` (named
// stem + ".~1" to stem + ".~9", skipping names that exist), then puts it in the place of `path`,
// creating `path` when it does not exist. No temporary file is left behind.
SaveOutcome SaveWholeFile(std::string_view path, const std::vector<std::string>& pieces,
                          std::string_view stem = "Ovanta");
