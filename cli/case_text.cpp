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

bool IsBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

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

// A case under conditions other than Earth without air: the checks and the solver of the
// conditions, with the refusals in their own terms.
CaseOutcome SolveUnderConditions(const Conditions& conditions, const GivenData& given) {
    const std::vector<CaseFault> faults = CheckCase(conditions, given);
    if (!faults.empty()) {
        const bool ground = given.y0 == 0;
        const double vo = given.values[ParamVo];
        std::string line = "* Errors in the data *: ";
        for (std::size_t i = 0; i < faults.size(); ++i) {
            if (i > 0) line += "; ";
            line += conditions.air ? AirDataFaultLine(faults[i], vo, ground, 1)
                                   : DataFaultLine({faults[i].fault, faults[i].param}, ground);
        }
        return {CaseStatus::Refused, Cp1252ToUtf8(line), {}, {}};
    }
    CaseOutcome outcome;
    AirLimit limit;
    double bound;
    const SolveResult result = SolveCaseUnder(conditions, given, outcome.full, limit, bound);
    if (result != SolveResult::Solved)
        return Refused(limit != AirLimit::None ? AirLimitMessage(limit, given, bound, 1) : SolveFailureMessage(result));
    outcome.status = CaseStatus::Solved;
    outcome.solution = outcome.full.solution;
    return outcome;
}

bool ReadOptional(std::string_view text, double& value) { return IsBlank(text) || ReadNumber(TrimBlanks(text), value); }

}  // namespace

bool NamesConditions(const CaseText& t) {
    for (std::string_view v : {t.g, t.object, t.cd, t.diameter, t.mass, t.rho})
        if (!IsBlank(v)) return true;
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
    if (!IsBlank(t.object)) {
        const std::string key = TrimBlanks(t.object);
        const int ball = FindBall(key.c_str());
        if (ball < 0) return reason = "unknown object: " + key + " (objects: " + BallList() + ")", CaseStatus::Unreadable;
        PutBall(c, ball);
    }
    const bool anyBallValue = !IsBlank(t.cd) || !IsBlank(t.diameter) || !IsBlank(t.mass);
    if (!c.air && anyBallValue && (IsBlank(t.cd) || IsBlank(t.diameter) || IsBlank(t.mass)))
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
    if (!c.air && !IsBlank(t.rho))
        return reason = "rho needs air: name an object or give cd, diameter and mass", CaseStatus::Unreadable;
    const ConditionsFault fault = CheckConditions(c);
    if (fault != ConditionsFault::None) return reason = MessageLine(ConditionsFaultMessage(fault, 1)), CaseStatus::Refused;
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
    int count = 0;
    int params[2] = {};
    for (int p = 1; p <= kParamCount; ++p) {
        if (!text.given[p]) continue;
        if (count < 2) params[count] = p;
        ++count;
    }
    if (count < 2) return Unreadable(InsufficientDataMessage());
    if (count > 2)
        return Unreadable({TooManyDataMessage().caption, std::to_string(count) + " are given"});
    given.pair = {params[0], params[1]};
    if (IsIndeterminatePair(given.pair)) return Refused(IndeterminateMessage());

    for (int p : params)
        if (!ReadNumber(text.value[p], given.values[p])) return Unreadable(WrongValueMessage(ParamName(p)));
    if (!ReadNumber(text.y0, given.y0)) return Unreadable(WrongValueMessage("launch height"));

    Conditions conditions;
    std::string why;
    if (const CaseStatus status = ReadConditions(text, conditions, why); status != CaseStatus::Solved)
        return {status, why, {}, {}};
    if (!IsEarthVacuum(conditions)) return SolveUnderConditions(conditions, given);

    const std::vector<DataFaultAt> faults = CheckGivenData(given);
    if (!faults.empty()) {
        // The dialog stands the faults one per paragraph in its box; on one line they are
        // separated by semicolons.
        const bool ground = given.y0 == 0;
        std::string line = std::string(DataFaultsMessage(faults, ground).caption) + ": ";
        for (std::size_t i = 0; i < faults.size(); ++i) {
            if (i > 0) line += "; ";
            line += DataFaultLine(faults[i], ground);
        }
        return {CaseStatus::Refused, Cp1252ToUtf8(line), {}, {}};
    }

    CaseOutcome outcome;
    const SolveResult result = SolveCase(given, outcome.solution);
    if (result != SolveResult::Solved) return Refused(SolveFailureMessage(result));
    outcome.status = CaseStatus::Solved;
    outcome.full.solution = outcome.solution;
    Solution steeper;
    if (SolveSteeperCase(given, steeper) == SolveResult::Solved) {
        outcome.full.twoLaunches = true;
        outcome.full.other = steeper;
    }
    return outcome;
}

PointOutcome AnswerPointText(const ConditionsCase& solved, int k, std::string_view text) {
    PointOutcome outcome;
    double value;
    if (!ParseReal(text, value)) {
        outcome.reason = MessageLine(PointErrorMessage(PointNotNumber, k));
        return outcome;
    }
    PointRange range;
    const PointError error = AnswerPointUnder(solved, k, value, outcome.first, outcome.second, outcome.count, range);
    if (error != PointDone) {
        outcome.status = CaseStatus::Refused;
        if (solved.conditions.air && error == PointOutOfRange)
            outcome.reason = MessageLine(PointRangeMessage(k, range, 1));
        else if (solved.conditions.air && error == PointBelowVx)
            outcome.reason = MessageLine(LeastSpeedMessage(range.low, 1));
        else
            outcome.reason = MessageLine(PointErrorMessage(error, k));
        return outcome;
    }
    outcome.status = CaseStatus::Solved;
    return outcome;
}
