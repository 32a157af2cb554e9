#include "text/conditions_text.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "text/number_text.h"

namespace {

constexpr const char* kWorldNames[] = {"Earth", "Moon", "Mars", "Jupiter"};
constexpr const char* kBallNames[] = {"Baseball",          "Golf ball",  "Football", "Tennis ball",
                                      "Table-tennis ball", "Basketball", "Shot put"};
static_assert(sizeof kWorldNames / sizeof *kWorldNames == kWorldCount);
static_assert(sizeof kBallNames / sizeof *kBallNames == kBallCount);

constexpr const char* kAirCause = "With this air resistance, ";

// The pieces one after the other: one function instead of a chain of temporaries at each use.
std::string Join(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) text += piece;
    return text;
}

std::string Lower(std::string text) {
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

// A bound in three decimals, rounded toward the side the given value must stay on, so that the
// number quoted is itself allowed.
std::string Bound(double value, bool atMost) {
    const double scaled = value * 1000;
    double kept = atMost ? std::floor(scaled) : std::ceil(scaled);
    if (std::fabs(scaled - std::nearbyint(scaled)) < 1e-6 * std::fmax(1.0, std::fabs(scaled))) kept = std::nearbyint(scaled);
    return FormatPlain(kept / 1000, 3);
}

// Five significant digits of a positive value below 1e5, as far as 16 decimals reach.
std::string Significant(double value) {
    const int decimals = 4 - static_cast<int>(std::floor(std::log10(value)));
    return FormatPlain(value, static_cast<unsigned>(decimals < 0 ? 0 : decimals > 16 ? 16 : decimals));
}

std::string Speed(double vo) { return FormatShortest(vo) + " m/s"; }

}  // namespace

std::string WorldName(int world, int) {
    return world >= 0 && world < kWorldCount ? kWorldNames[world] : "Other";
}

std::string BallName(int ball, int) { return ball >= 0 && ball < kBallCount ? kBallNames[ball] : "Other"; }

std::string ConditionsPhrase(const Conditions& c, int languageIndex) {
    const std::string g = Join({"g ", FormatShortest(c.g), " m/s\xB2"});
    std::string text = c.world >= 0 && c.world < kWorldCount && kWorlds[c.world].g == c.g
                           ? Join({WorldName(c.world, languageIndex), " (", g, ")"})
                           : g;
    if (!c.air) return Join({text, ", no air"});
    if (c.ball >= 0 && c.ball < kBallCount && kBalls[c.ball].mass == c.mass && kBalls[c.ball].diameter == c.diameter &&
        kBalls[c.ball].cd == c.cd)
        return Join({text, ", ", Lower(BallName(c.ball, languageIndex)), " in air"});
    return Join({text, ", a ball of ", FormatShortest(c.mass), " kg, ", FormatShortest(c.diameter), " m, Cd ",
                 FormatShortest(c.cd), " in air"});
}

std::string StatusUnderConditions(const Conditions& c, const std::string& caseText, int languageIndex) {
    if (IsEarthVacuum(c)) return caseText;
    return Join({ConditionsPhrase(c, languageIndex), ": ", Lower(caseText)});
}

std::string OtherSpeedPhrase(double vo, int) { return Join({"; also fits at ", FormatPlain(vo, 3), " m/s"}); }

std::vector<std::string> ConditionsReportLines(const Conditions& c, int languageIndex) {
    std::vector<std::string> lines;
    if (IsEarthVacuum(c)) return lines;
    lines.push_back(Join({"g\t", FormatShortest(c.g), "\t"}));
    if (!c.air) return lines;
    lines.push_back(Join({"object\t", BallName(c.ball, languageIndex), "\t"}));
    const struct {
        const char* name;
        double value;
    } rows[] = {{"mass", c.mass}, {"diameter", c.diameter}, {"Cd", c.cd}, {"air density", c.rho}, {"k", DragConstant(c)}};
    for (const auto& row : rows) lines.push_back(Join({row.name, "\t", FormatShortest(row.value), "\t"}));
    lines.push_back(Join({"terminal speed\t", FormatPlain(TerminalSpeed(c), 3), "\t"}));
    return lines;
}

std::string DragSummary(const Conditions& c, int) {
    if (!c.air) return "No air";
    if (CheckConditions(c) != ConditionsFault::None) return "k and the terminal speed need every value above 0";
    return Join({"k ", Significant(DragConstant(c)), " 1/m   terminal speed ", FormatPlain(TerminalSpeed(c), 3), " m/s"});
}

std::string AirDataFaultLine(const CaseFault& fault, double vo, bool ground, int languageIndex) {
    const char* what = nullptr;
    bool atMost = true;
    const char* unit = " s";
    switch (fault.fault) {
        case DataFault::ReachAboveBound: what = " carries at most ", unit = " m"; break;
        case DataFault::HeightAboveBound: what = " rises at most to ", unit = " m"; break;
        case DataFault::TimeAboveBound: what = " stays up at most "; break;
        case DataFault::TimeBelowBound: what = " comes down in no less than ", atMost = false; break;
        default: return DataFaultLine({fault.fault, fault.param}, ground, languageIndex);
    }
    return Join({kAirCause, Speed(vo), what, Bound(fault.bound, atMost), unit});
}

Message AirDataFaultsMessage(const std::vector<CaseFault>& faults, double vo, bool ground, int languageIndex) {
    std::string text;
    for (const CaseFault& f : faults) text += AirDataFaultLine(f, vo, ground, languageIndex) + "\r\n\r\n";
    return {"* Errors in the data *", text.substr(0, 255)};
}

Message AirLimitMessage(AirLimit limit, const GivenData& given, double bound, int) {
    if (limit == AirLimit::None) return {"", ""};
    if (limit == AirLimit::NotSettled)
        return {"No solution", "With air, this case could not be solved to the digits shown; nothing is shown"};
    const bool vx = limit == AirLimit::ReachWithVx;
    return {"No solution", Join({kAirCause, vx ? "Vx " : "Voy ", Speed(given.values[vx ? ParamVx : ParamVy0]),
                                 " carries at most ", Bound(bound, true), " m"})};
}

Message PointRangeMessage(int k, const PointRange& range, int languageIndex) {
    static const char* const units[] = {"", " m", " m", " m/s", " m/s", " s"};
    const int unit = k >= 1 && k <= 5 ? k : 1;
    return {"Outside the path", Join({"With air the path is known from the launch to the landing: ", PointFieldName(unit, languageIndex),
                                      " must be between ", FormatPlain(range.low, 2), " and ",
                                      FormatPlain(range.high, 2), units[unit]})};
}

Message LeastSpeedMessage(double leastSpeed, int) {
    return {"Too low speed", Join({"|V| must be >= the least speed of the flight, ", FormatPlain(leastSpeed, 2), " m/s"})};
}

Message ConditionsFaultMessage(ConditionsFault fault, int) {
    const char* text = "";
    switch (fault) {
        case ConditionsFault::None: return {"", ""};
        case ConditionsFault::Gravity: text = "g must be a number above 0 (m/s\xB2)"; break;
        case ConditionsFault::Mass: text = "The mass must be a number above 0 (kg)"; break;
        case ConditionsFault::Diameter: text = "The diameter must be a number above 0 (m)"; break;
        case ConditionsFault::Cd: text = "The drag coefficient Cd must be a number above 0"; break;
        case ConditionsFault::Density: text = "The air density must be a number above 0 (kg/m\xB3)"; break;
        case ConditionsFault::DragTooLarge:
            text = "These values give a drag constant k out of 1e-12 to 1e6 1/m, which cannot be computed";
            break;
    }
    return {"Gravity and air", text};
}

std::string ConditionsLabelText(ConditionsLabel label, int) {
    switch (label) {
        case ConditionsLabel::Title: return "Gravity and air";
        case ConditionsLabel::MenuCommand: return "&Gravity and air...";
        case ConditionsLabel::World: return "&World:";
        case ConditionsLabel::Gravity: return "&g (m/s\xB2):";
        case ConditionsLabel::Air: return "&Air resistance";
        case ConditionsLabel::Ball: return "&Object:";
        case ConditionsLabel::Mass: return "&Mass (kg):";
        case ConditionsLabel::Diameter: return "&Diameter (m):";
        case ConditionsLabel::Cd: return "Drag &coefficient Cd:";
        case ConditionsLabel::Density: return "Air d&ensity (kg/m\xB3):";
        case ConditionsLabel::Ok: return "OK";
        case ConditionsLabel::Cancel: return "Cancel";
    }
    return "";
}
