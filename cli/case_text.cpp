#include "cli/case_text.h"

#include <charconv>
#include <vector>

#include "physics/given_checks.h"
#include "text/code_page.h"
#include "text/conditions_text.h"
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

CaseOutcome Unreadable(const Message& message) { return {CaseStatus::Unreadable, MessageLine(message), {}, {}}; }
CaseOutcome Refused(const Message& message) { return {CaseStatus::Refused, MessageLine(message), {}, {}}; }

// A case under conditions other than Earth without air that passed their checks: the solver of
// the conditions, with the refusals in their own terms.
CaseOutcome SolveUnderConditions(const Conditions& conditions, const GivenData& given) {
    CaseOutcome outcome;
    AirLimit limit;
    double bound;
    // The command line writes the flatter launch alone: the other is not sought.
    const SolveResult result = SolveCaseUnder(conditions, given, outcome.full, limit, bound, false);
    if (result != SolveResult::Solved)
        return Refused(limit != AirLimit::None ? AirLimitMessage(limit, given, bound, kEnglish)
                                               : SolveFailureMessage(result, kEnglish));
    outcome.status = CaseStatus::Solved;
    outcome.solution = outcome.full.solution;
    return outcome;
}

bool ReadOptional(std::string_view text, double& value) { return IsEmptyValue(text) || ReadNumber(TrimBlanks(text), value); }

}  // namespace

bool NamesConditions(const CaseText& t) {
    for (std::string_view v : {t.g, t.object, t.cd, t.diameter, t.mass, t.rho})
        if (!IsEmptyValue(v)) return true;
    return false;
}

CaseStatus ReadConditions(const CaseText& t, Conditions& c, std::string& reason) {
    c = Conditions();
    const struct {
        std::string_view text;
        double* value;
        const char* name;
    } numbers[] = {{t.g, &c.g, "g"}, {t.rho, &c.rho, "rho"}};
    for (const auto& n : numbers)
        if (!ReadOptional(n.text, *n.value)) return reason = "wrong value: " + std::string(n.name), CaseStatus::Unreadable;
    c.world = kWorldOther;
    for (int w = 0; w < kWorldCount; ++w)
        if (kWorlds[w].g == c.g) c.world = w;
    if (!IsEmptyValue(t.object)) {
        const std::string key = TrimBlanks(t.object);
        const int ball = FindBall(key.c_str());
        if (ball < 0) return reason = "unknown object: " + key + " (objects: " + BallList() + ")", CaseStatus::Unreadable;
        PutBall(c, ball);
    }
    const bool anyBallValue = !IsEmptyValue(t.cd) || !IsEmptyValue(t.diameter) || !IsEmptyValue(t.mass);
    if (!c.air && anyBallValue && (IsEmptyValue(t.cd) || IsEmptyValue(t.diameter) || IsEmptyValue(t.mass)))
        return reason = "cd, diameter and mass go together (or name an object)", CaseStatus::Unreadable;
    const double ballMass = c.mass, ballDiameter = c.diameter, ballCd = c.cd;
    const struct {
        std::string_view text;
        double* value;
        const char* name;
    } ball[] = {{t.cd, &c.cd, "cd"}, {t.diameter, &c.diameter, "diameter"}, {t.mass, &c.mass, "mass"}};
    for (const auto& n : ball)
        if (!ReadOptional(n.text, *n.value)) return reason = "wrong value: " + std::string(n.name), CaseStatus::Unreadable;
    if (anyBallValue) c.air = true;
    if (c.mass != ballMass || c.diameter != ballDiameter || c.cd != ballCd) c.ball = kBallOther;
    if (!c.air && !IsEmptyValue(t.rho))
        return reason = "rho needs air: name an object or give cd, diameter and mass", CaseStatus::Unreadable;
    const ConditionsFault fault = CheckConditions(c);
    if (fault != ConditionsFault::None) return reason = MessageLine(ConditionsFaultMessage(fault, kEnglish)), CaseStatus::Refused;
    return CaseStatus::Solved;
}

std::string BallList() {
    std::string list;
    for (int i = 0; i < kBallCount; ++i) {
        if (i > 0) list += ", ";
        list += kBalls[i].key;
    }
    return list;
}

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
    // The conditions are read before the checks of the given data, which depend on them; a
    // fault of theirs is told after the faults of the given values' texts.
    Conditions conditions;
    std::string why;
    const CaseStatus conditionsRead = ReadConditions(text, conditions, why);
    if (conditionsRead != CaseStatus::Solved) conditions = Conditions();
    const GivenReading reading = ReadGivenTexts(texts, GivenStage::Whole, conditions, given, ReadNumber);
    const bool textsRead = reading.refusal == GivenRefusal::None || reading.refusal == GivenRefusal::DataFaults;
    if (textsRead && conditionsRead != CaseStatus::Solved) return {conditionsRead, why, {}, {}};
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
            std::string line = std::string(Say(Word::DataErrorsCaption, kEnglish)) + ": ";
            for (std::size_t i = 0; i < reading.faults.size(); ++i) {
                if (i > 0) line += "; ";
                line += GivenFaultLine(reading, i, given, kEnglish);
            }
            return {CaseStatus::Refused, Cp1252ToUtf8(line), {}, {}};
        }
    }
    if (!IsEarthVacuum(conditions)) return SolveUnderConditions(conditions, given);
    CaseOutcome outcome;
    const SolveResult result = SolveCase(given, outcome.solution);
    if (result != SolveResult::Solved) return Refused(SolveFailureMessage(result, kEnglish));
    outcome.status = CaseStatus::Solved;
    outcome.full.solution = outcome.solution;  // the flatter alone: the command line writes no other
    return outcome;
}

PointOutcome AnswerPointText(const ConditionsCase& solved, int k, std::string_view text) {
    PointOutcome outcome;
    double value;
    if (!ParseReal(text, value)) {
        outcome.reason = MessageLine(PointErrorMessage(PointNotNumber, k, kEnglish));
        return outcome;
    }
    PointRange range;
    const PointError error = AnswerPointUnder(solved, k, value, outcome.first, outcome.second, outcome.count, range);
    if (error != PointDone) {
        outcome.status = CaseStatus::Refused;
        if (solved.conditions.air && error == PointOutOfRange)
            outcome.reason = MessageLine(PointRangeMessage(k, range, kEnglish));
        else if (solved.conditions.air && error == PointBelowVx)
            outcome.reason = MessageLine(LeastSpeedMessage(range.low, kEnglish));
        else
            outcome.reason = MessageLine(PointErrorMessage(error, k, kEnglish));
        return outcome;
    }
    outcome.status = CaseStatus::Solved;
    return outcome;
}
