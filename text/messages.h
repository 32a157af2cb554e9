// The program's messages about the case: parameter names, refused selections, faults in the
// given data, cases without a solution, refused point questions and failed saves, in the words
// of a language (0 Catalan, 1 English, 2 Spanish; see words.h).
#pragma once

#include <string>
#include <vector>

#include "physics/given_checks.h"
#include "physics/motion.h"
#include "physics/point.h"
#include "platform/safe_file.h"
#include "text/words.h"

struct Message {
    const char* caption;
    std::string text;
};

// A message of two words, caption and text.
Message MessageOf(Word caption, Word text, int language);

// Name of a parameter in messages and in the report, by ParamId 1..7 ("" otherwise).
const char* ParamName(int paramId, int language);
// Name of point field k = 1..5 in messages: "x", "y", "Vy", "|V|", "t" ("" otherwise).
const char* PointFieldName(int k, int language);

// A field whose text is not a number: "wrong value", "to " + what.
Message WrongValueMessage(const std::string& what, int language);
Message TooManyDataMessage(int language);      // a third box ticked
Message IndeterminateMessage(int language);    // Vy0 with height or time, height with time
Message InsufficientDataMessage(int language); // Accept with fewer than two boxes ticked

// One line for a fault of the given data; ground tells whether the launch height is 0.
std::string DataFaultLine(const DataFaultAt& fault, bool ground, int language);
// All the faults in one box, each line followed by an empty one, cut to 255 characters.
Message DataFaultsMessage(const std::vector<DataFaultAt>& faults, bool ground, int language);

// A case that passed the checks but has no solution.
Message SolveFailureMessage(SolveResult result, int language);

// A refused point question about field k (1..5); an empty caption and text for PointDone.
Message PointErrorMessage(PointError code, int k, int language);

// Why a file was not saved, the line before its path (nothing for SaveOutcome::Saved). The file
// is as it was before in every case.
const char* SaveFailureReason(SaveOutcome outcome, int language);
