#include "text/conditions_text.h"

#include <cmath>

#include "text/number_text.h"
#include "text/words.h"

namespace {

constexpr Word kWorldWords[] = {Word::WorldEarth, Word::WorldMoon, Word::WorldMars, Word::WorldJupiter};
constexpr Word kBallWords[] = {Word::BallBaseball, Word::BallGolf,       Word::BallFootball, Word::BallTennis,
                               Word::BallTableTennis, Word::BallBasketball, Word::BallShotPut};
static_assert(sizeof kWorldWords / sizeof *kWorldWords == kWorldCount);
static_assert(sizeof kBallWords / sizeof *kBallWords == kBallCount);

// A name inside a sentence: its first letter small, Windows-1252's accented capitals included.
std::string Lower(std::string text) {
    if (text.empty()) return text;
    const auto first = static_cast<unsigned char>(text[0]);
    if ((first >= 'A' && first <= 'Z') || (first >= 0xC0 && first <= 0xDE && first != 0xD7))
        text[0] = static_cast<char>(first + 0x20);
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

}  // namespace

std::string WorldName(int world, int language) {
    return Say(world >= 0 && world < kWorldCount ? kWorldWords[world] : Word::WorldOther, language);
}

std::string BallName(int ball, int language) {
    return Say(ball >= 0 && ball < kBallCount ? kBallWords[ball] : Word::BallOther, language);
}

std::string ConditionsPhrase(const Conditions& c, int language) {
    // Four significant digits at most, as the line's other figures: the presets keep all of
    // theirs, and a value typed to the last digit does not push the case off the line.
    auto figure = [](double value) { return FormatSignificant(value, 4); };
    std::string text = c.world >= 0 && c.world < kWorldCount && kWorlds[c.world].g == c.g
                           ? SayWith(Word::ConditionsWorld, language, {WorldName(c.world, language), figure(c.g)})
                           : SayWith(Word::ConditionsGravity, language, {figure(c.g)});
    if (!c.air) return text + Say(Word::ConditionsNoAir, language);
    if (c.ball >= 0 && c.ball < kBallCount && kBalls[c.ball].mass == c.mass && kBalls[c.ball].diameter == c.diameter &&
        kBalls[c.ball].cd == c.cd)
        return text + SayWith(Word::ConditionsBallInAir, language, {Lower(BallName(c.ball, language))});
    return text + SayWith(Word::ConditionsOwnBallInAir, language, {figure(c.mass), figure(c.diameter), figure(c.cd)});
}

std::string StatusUnderConditions(const Conditions& c, const std::string& caseText, int language) {
    if (IsEarthVacuum(c)) return caseText;
    return ConditionsPhrase(c, language) + ": " + Lower(caseText);
}

std::string OtherSpeedPhrase(double vo, int language) {
    return SayWith(Word::StatusOtherSpeed, language, {FormatPlain(vo, 3)});
}

std::vector<std::string> ConditionsReportLines(const Conditions& c, int language) {
    std::vector<std::string> lines;
    if (IsEarthVacuum(c)) return lines;
    auto line = [&](Word name, const std::string& value) {
        lines.push_back(std::string(Say(name, language)) + '\t' + value + '\t');
    };
    line(Word::ReportGravity, FormatShortest(c.g));
    if (!c.air) return lines;
    line(Word::ReportObject, BallName(c.ball, language));
    const struct {
        Word name;
        double value;
    } rows[] = {{Word::ReportMass, c.mass},
                {Word::ReportDiameter, c.diameter},
                {Word::ReportCd, c.cd},
                {Word::ReportDensity, c.rho},
                {Word::ReportDragConstant, DragConstant(c)}};
    for (const auto& row : rows) line(row.name, FormatShortest(row.value));
    line(Word::ReportTerminalSpeed, FormatPlain(TerminalSpeed(c), 3));
    return lines;
}

std::string DragSummary(const Conditions& c, int language) {
    if (!c.air) return Say(Word::DragSummaryNoAir, language);
    if (CheckConditions(c) != ConditionsFault::None) return Say(Word::DragSummaryNeedsValues, language);
    return SayWith(Word::DragSummary, language, {Significant(DragConstant(c)), FormatPlain(TerminalSpeed(c), 3)});
}

std::string AirDataFaultLine(const CaseFault& fault, double vo, bool ground, int language) {
    Word line = Word::AirReachAbove;
    bool atMost = true;
    switch (fault.fault) {
        case DataFault::ReachAboveBound: break;
        case DataFault::HeightAboveBound: line = Word::AirHeightAbove; break;
        case DataFault::TimeAboveBound: line = Word::AirTimeAbove; break;
        case DataFault::TimeBelowBound: line = Word::AirTimeBelow, atMost = false; break;
        default: return DataFaultLine({fault.fault, fault.param}, ground, language);
    }
    return SayWith(line, language, {FormatShortest(vo), Bound(fault.bound, atMost)});
}

Message AirDataFaultsMessage(const std::vector<CaseFault>& faults, double vo, bool ground, int language) {
    std::string text;
    for (const CaseFault& f : faults) text += AirDataFaultLine(f, vo, ground, language) + "\r\n\r\n";
    return {Say(Word::DataErrorsCaption, language), text.substr(0, 255)};
}

Message AirLimitMessage(AirLimit limit, const GivenData& given, double bound, int language) {
    if (limit == AirLimit::None) return {"", ""};
    if (limit == AirLimit::NotSettled) return MessageOf(Word::NoSolutionCaption, Word::AirNotSettled, language);
    const int component = ParamVx;  // the reach at a given Vy0 has no end: only Vx bounds it
    return {Say(Word::NoSolutionCaption, language),
            SayWith(Word::AirReachWithComponent, language,
                    {ParamName(component, language), FormatShortest(given.values[component]), Bound(bound, true)})};
}

Message PointRangeMessage(int k, const PointRange& range, int language) {
    const int field = k >= 1 && k <= 5 ? k : 1;
    const Word text = field <= 2 ? Word::OutsidePathLength : field <= 4 ? Word::OutsidePathSpeed : Word::OutsidePathTime;
    return {Say(Word::OutsidePathCaption, language),
            SayWith(text, language,
                    {PointFieldName(field, language), FormatPlain(range.low, 2), FormatPlain(range.high, 2)})};
}

Message LeastSpeedMessage(double leastSpeed, int language) {
    return {Say(Word::PointBelowVxCaption, language),
            SayWith(Word::BelowLeastSpeed, language, {FormatPlain(leastSpeed, 2)})};
}

Message ConditionsFaultMessage(ConditionsFault fault, int language) {
    Word text = Word::GravityNotAboveZero;
    switch (fault) {
        case ConditionsFault::None: return {"", ""};
        case ConditionsFault::Gravity: break;
        case ConditionsFault::Mass: text = Word::MassNotAboveZero; break;
        case ConditionsFault::Diameter: text = Word::DiameterNotAboveZero; break;
        case ConditionsFault::Cd: text = Word::CdNotAboveZero; break;
        case ConditionsFault::Density: text = Word::DensityNotAboveZero; break;
        case ConditionsFault::DragTooLarge: text = Word::DragOutOfRange; break;
    }
    return MessageOf(Word::ConditionsTitle, text, language);
}
