#include "cli/case_text.h"

#include <charconv>
#include <vector>

#include "physics/given_checks.h"
#include "text/code_page.h"
#include "text/number_text.h"

namespace {

constexpr const char* kParamNames[] = {"", "vo", "angle", "vx", "vy0", "reach", "height", "t"};
constexpr const char* kPointNames[] = {"", "x", "y", "vy", "v", "t"};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view name, std::string_view lowerName) {
    if (name.size() != lowerName.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (Lower(name[i]) != lowerName[i]) return false;
    return true;
}

template <std::size_t N>
int IndexOfName(const char* const (&names)[N], std::string_view name) {
    for (std::size_t i = 1; i < N; ++i)
        if (SameName(name, names[i])) return static_cast<int>(i);
    return 0;
}

// A sign, digits, and a point with digits after it: the decimals that nearly every value is
// written as, and few enough digits that no such value is out of a double's range.
bool IsPlainDecimal(std::string_view text) {
    if (text.size() > 64) return false;
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t intStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == intStart) return false;
    if (i == text.size()) return true;
    if (text[i] != '.') return false;
    const std::size_t fracStart = ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i == text.size() && i > fracStart;
}

CaseOutcome Unreadable(const Message& message) { return {CaseStatus::Unreadable, MessageLine(message), {}}; }
CaseOutcome Refused(const Message& message) { return {CaseStatus::Refused, MessageLine(message), {}}; }

}  // namespace

// ParseReal converts exactly, to the nearest double, and so does std::from_chars: for a plain
// decimal both give the same double, and from_chars is many times faster, which a batch of a
// million rows needs. Every other text is ParseReal's.
bool ReadNumber(std::string_view text, double& value) {
    if (IsPlainDecimal(text)) {
        std::from_chars(text.data(), text.data() + text.size(), value);
        return true;
    }
    return ParseReal(text, value);
}

bool IsEmptyValue(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

const char* CliParamName(int paramId) {
    return paramId >= 1 && paramId <= kParamCount ? kParamNames[paramId] : "";
}

const char* CliPointName(int k) { return k >= 1 && k <= 5 ? kPointNames[k] : ""; }

int ParamByName(std::string_view name) { return IndexOfName(kParamNames, name); }

int PointFieldByName(std::string_view name) { return IndexOfName(kPointNames, name); }

std::string MessageLine(const Message& message) {
    return Cp1252ToUtf8(std::string(message.caption) + ": " + message.text);
}

CaseOutcome SolveCaseText(const CaseText& text) {
    GivenData given;
    // A launch height of blanks and tabs alone is left out, and reads as 0 like an empty one.
    GivenTexts texts = text;
    if (IsEmptyValue(texts.y0)) texts.y0 = {};
    const GivenReading reading = ReadGivenTexts(texts, GivenStage::Whole, given, ReadNumber);
    switch (reading.refusal) {
        case GivenRefusal::None: break;
        case GivenRefusal::TooMany:
            return Unreadable({TooManyDataMessage(kEnglish).caption, std::to_string(reading.count) + " are given"});
        case GivenRefusal::LaunchHeight:
        case GivenRefusal::WrongValue:
        case GivenRefusal::TooFew: return Unreadable(GivenRefusalMessage(reading, given, kEnglish));
        case GivenRefusal::Indeterminate: return Refused(GivenRefusalMessage(reading, given, kEnglish));
        case GivenRefusal::DataFaults: {
            // The dialog stands the faults one per paragraph in its box; on one line they are
            // separated by semicolons.
            const bool ground = given.y0 == 0;
            std::string line = std::string(Say(Word::DataErrorsCaption, kEnglish)) + ": ";
            for (std::size_t i = 0; i < reading.faults.size(); ++i) {
                if (i > 0) line += "; ";
                line += DataFaultLine(reading.faults[i], ground, kEnglish);
            }
            return {CaseStatus::Refused, Cp1252ToUtf8(line), {}};
        }
    }
    CaseOutcome outcome;
    const SolveResult result = SolveCase(given, outcome.solution);
    if (result != SolveResult::Solved) return Refused(SolveFailureMessage(result, kEnglish));
    outcome.status = CaseStatus::Solved;
    return outcome;
}

PointOutcome AnswerPointText(const Solution& solution, int k, std::string_view text) {
    PointOutcome outcome;
    double value;
    if (!ParseReal(text, value)) {
        outcome.reason = MessageLine(PointErrorMessage(PointNotNumber, k, kEnglish));
        return outcome;
    }
    const PointError error = AnswerPoint(solution, k, value, outcome.first, outcome.second, outcome.count);
    if (error != PointDone) {
        outcome.status = CaseStatus::Refused;
        outcome.reason = MessageLine(PointErrorMessage(error, k, kEnglish));
        return outcome;
    }
    outcome.status = CaseStatus::Solved;
    return outcome;
}
