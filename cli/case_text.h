// A case given as text, read and solved exactly as the dialog reads and solves its fields, with
// every refusal as one line of UTF-8 text. Shared by the one-case form and the batch form of
// ovanta-solve, so that both say what the dialog says. The command line speaks English only.
#pragma once

#include <string>
#include <string_view>

#include "physics/motion.h"
#include "physics/point.h"
#include "text/given_text.h"
#include "text/messages.h"

// Command-line names of the parameters by ParamId 1..7 ("vo" .. "t"), "" otherwise.
const char* CliParamName(int paramId);
// Command-line names of the point fields by k 1..5: "x", "y", "vy", "v", "t"; "" otherwise.
const char* CliPointName(int k);
// The ParamId or point field of a name in any letter case; 0 when it is none.
int ParamByName(std::string_view name);
int PointFieldByName(std::string_view name);

// The dialog's number reading (ParseReal): the same result for every text, faster for plain
// decimals such as "-12.5".
bool ReadNumber(std::string_view text, double& value);

// Nothing, or nothing but blanks and tabs: a value left out. A cell or an argument like this
// gives no value (the dialog's reading takes blanks as 0 and refuses a tab).
bool IsEmptyValue(std::string_view text);
// A message on one line, "caption: text", in UTF-8.
std::string MessageLine(const Message& message);

// The given values as typed. A parameter is given when given[p] is set; its text is read with
// the dialog's number reading. The launch height's empty text, or one of blanks and tabs alone
// (IsEmptyValue), reads as 0. The views must outlive the call.
using CaseText = GivenTexts;

enum class CaseStatus {
    Solved,
    Unreadable,  // not two values, or a value that is not a number: the input is at fault
    Refused,     // the dialog refuses the case: a pair, a check of the data or the solver
};

struct CaseOutcome {
    CaseStatus status = CaseStatus::Unreadable;
    std::string reason;     // one line without its end; empty when solved
    Solution solution = {}; // complete when solved
};

// Reads and solves a case on the dialog's road (ReadGivenTexts: the launch height, each given
// value, an indeterminate pair, too few values, the checks of the given data), then the solver.
// Too few or too many values, and a text that is not a number, are the input's fault
// (Unreadable); the rest are refusals.
CaseOutcome SolveCaseText(const CaseText& text);

struct PointOutcome {
    CaseStatus status = CaseStatus::Unreadable;
    std::string reason;
    TrajectoryPoint first = {};
    TrajectoryPoint second = {};  // the later passage, when count is 2
    int count = 0;
};

// Answers the point panel's question about field k (1..5) with the value typed as `text`.
PointOutcome AnswerPointText(const Solution& solution, int k, std::string_view text);
