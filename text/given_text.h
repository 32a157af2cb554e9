// The given data as the user typed them, read and checked on the one road that the dialog and
// ovanta-solve share, so that both refuse the same case for the same reason.
#pragma once

#include <string_view>
#include <vector>

#include "physics/case_solve.h"
#include "physics/given_checks.h"
#include "physics/motion.h"
#include "text/messages.h"

// Which parameters are given and their texts, and the launch height's text. The views must
// outlive the reading.
struct GivenTexts {
    bool given[kParamCount + 1] = {};
    std::string_view value[kParamCount + 1];
    std::string_view y0;
};

enum class GivenRefusal {
    None,
    LaunchHeight,   // the launch height is not a number
    TooMany,        // a third parameter is given
    WrongValue,     // the text of `param` is not a number
    Indeterminate,  // the pair depends on itself alone (Vy0 with height or time, height with time)
    TooFew,         // fewer than two parameters are given
    DataFaults,     // the checks of the given data found `faults`
};

// How far the reading goes: the selection alone (a box was ticked: the boxes and the values of
// the ticked parameters), or the whole case before a solve.
enum class GivenStage { Selection, Whole };

struct GivenReading {
    GivenRefusal refusal = GivenRefusal::None;
    int param = 0;  // WrongValue: its ParamId
    int count = 0;  // how many parameters are given
    bool air = false;  // the faults were found with the air on, each with the bound it breaks
    std::vector<CaseFault> faults;
};

// Reads a number; false when the text is not one.
using NumberReader = bool (*)(std::string_view text, double& value);

// The dialog's order: the launch height (only for the whole case; a text that is not a number
// reads as 0 in the selection), then each given parameter in ParamId order, a third one
// refused before its text is read, an empty text read as 0; then an indeterminate pair; for the
// whole case then fewer than two, and the checks of the given data under `conditions` (on Earth
// without air, the vacuum's own checks). Stops at the first refusal. `data` keeps the values it
// held for what was not read; the pair, the values read and the launch height are written into it.
GivenReading ReadGivenTexts(const GivenTexts& texts, GivenStage stage, const Conditions& conditions, GivenData& data,
                            NumberReader read);

// The message box of a refusal (for DataFaults, all the faults in one box).
Message GivenRefusalMessage(const GivenReading& reading, const GivenData& data, int language);

// Fault i of a DataFaults reading on one line: with air in the air's own terms and numbers.
std::string GivenFaultLine(const GivenReading& reading, std::size_t i, const GivenData& data, int language);
