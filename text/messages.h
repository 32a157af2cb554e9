// The words of the program's messages about the case: parameter names, refused selections,
// faults in the given data, cases without a solution and refused point questions. Windows-1252
// bytes, as the dialog shows them.
#pragma once

#include <string>
#include <vector>

#include "physics/given_checks.h"
#include "physics/motion.h"
#include "physics/point.h"
#include "platform/safe_file.h"

struct Message {
    const char* caption;
    std::string text;
};

// Name of a parameter in messages and in the report, by ParamId 1..7 ("" otherwise).
const char* ParamName(int paramId);
// Name of point field k = 1..5 in messages: "x", "y", "Vy", "|V|", "t" ("" otherwise).
const char* PointFieldName(int k);

// A field whose text is not a number: "wrong value", "to " + what.
Message WrongValueMessage(const std::string& what);
Message TooManyDataMessage();      // a third box ticked
Message IndeterminateMessage();    // Vy0 with height or time, height with time
Message InsufficientDataMessage(); // Accept with fewer than two boxes ticked

// One line for a fault of the given data; ground tells whether the launch height is 0.
std::string DataFaultLine(const DataFaultAt& fault, bool ground);
// All the faults in one box, each line followed by an empty one, cut to 255 characters.
Message DataFaultsMessage(const std::vector<DataFaultAt>& faults, bool ground);

// A case that passed the checks but has no solution.
Message SolveFailureMessage(SolveResult result);

// A refused point question about field k (1..5); an empty caption and text for PointDone.
Message PointErrorMessage(PointError code, int k);

// Why a file was not saved, the line before its path (nothing for SaveOutcome::Saved). The file
// is as it was before in every case.
const char* SaveFailureReason(SaveOutcome outcome);

// A path table whose numbers do not all fit in doubles is not written.
Message PathTableTooLargeMessage();

// Copy case found the clipboard held by another program.
Message ClipboardInUseMessage();
// The clipboard took nothing (out of memory, or the system refused).
Message ClipboardFailedMessage();

// Save plot picture could not make the picture (no memory for it, or no imaging components).
Message PictureFailedMessage();
