#include "text/messages.h"

namespace {

constexpr std::size_t kMaxMessageText = 255;

}  // namespace

Message MessageOf(Word caption, Word text, int language) { return {Say(caption, language), Say(text, language)}; }

const char* ParamName(int paramId, int language) {
    if (paramId < 1 || paramId > kParamCount) return "";
    return Say(static_cast<Word>(static_cast<int>(Word::ParamVo) + paramId - 1), language);
}

const char* PointFieldName(int k, int language) {
    if (k < 1 || k > 5) return "";
    return Say(static_cast<Word>(static_cast<int>(Word::PointX) + k - 1), language);
}

Message WrongValueMessage(const std::string& what, int language) {
    return {Say(Word::WrongValueCaption, language), Say(Word::WrongValueText, language) + what};
}

Message TooManyDataMessage(int language) {
    return MessageOf(Word::TooManyDataCaption, Word::TooManyDataText, language);
}

Message IndeterminateMessage(int language) {
    return MessageOf(Word::IndeterminateCaption, Word::IndeterminateText, language);
}

Message InsufficientDataMessage(int language) {
    return MessageOf(Word::InsufficientDataCaption, Word::InsufficientDataText, language);
}

std::string DataFaultLine(const DataFaultAt& fault, bool ground, int language) {
    Word line = Word::AngleOutOfRange;
    switch (fault.fault) {
        case DataFault::AngleOutOfRange: line = Word::AngleOutOfRange; break;
        case DataFault::NotPositive:
            return std::string(ParamName(fault.param, language)) + Say(Word::NotValidValue, language);
        case DataFault::ComponentAboveSpeed: line = Word::ComponentAboveSpeed; break;
        case DataFault::ReachAboveBound: line = ground ? Word::ReachAboveGroundBound : Word::ReachAboveBound; break;
        case DataFault::HeightAboveBound:
            line = ground ? Word::HeightAboveGroundBound : Word::HeightAboveBound;
            break;
        case DataFault::HeightBelowLaunch: line = Word::HeightBelowLaunch; break;
        case DataFault::TimeAboveBound: line = ground ? Word::TimeAboveGroundBound : Word::TimeAboveBound; break;
        case DataFault::TimeBelowBound: line = Word::TimeBelowBound; break;
    }
    return Say(line, language);
}

Message DataFaultsMessage(const std::vector<DataFaultAt>& faults, bool ground, int language) {
    std::string text;
    for (const DataFaultAt& fault : faults) text += DataFaultLine(fault, ground, language) + "\r\n\r\n";
    return {Say(Word::DataErrorsCaption, language), text.substr(0, kMaxMessageText)};
}

Message SolveFailureMessage(SolveResult result, int language) {
    Word text = Word::Count;
    switch (result) {
        case SolveResult::Solved: break;
        case SolveResult::NeverReachesGround: text = Word::NeverReachesGround; break;
        case SolveResult::VerticalLaunch: text = Word::VerticalLaunch; break;
        case SolveResult::SpeedNotDetermined: text = Word::SpeedNotDetermined; break;
        case SolveResult::DirectionsDisagree: text = Word::DirectionsDisagree; break;
        case SolveResult::HeightBelowLaunch: text = Word::MaximumBelowLaunch; break;
        case SolveResult::NoLanding: text = Word::NoLanding; break;
        case SolveResult::TooLarge: text = Word::ValuesTooLarge; break;
        case SolveResult::NeverRises: text = Word::NeverRises; break;
    }
    return {Say(Word::NoSolutionCaption, language), Say(text, language)};
}

Message PointErrorMessage(PointError code, int k, int language) {
    switch (code) {
        case PointDone: break;
        case PointAboveHeight: return MessageOf(Word::PointAboveHeightCaption, Word::PointAboveHeightText, language);
        case PointBelowVx: return MessageOf(Word::PointBelowVxCaption, Word::PointBelowVxText, language);
        case PointNegativeSpeed:
            return MessageOf(Word::PointNegativeSpeedCaption, Word::PointNegativeSpeedText, language);
        case PointNotNumber: return WrongValueMessage(PointFieldName(k, language), language);
        case PointNoHorizontal:
            return MessageOf(Word::PointNoHorizontalCaption, Word::PointNoHorizontalText, language);
        case PointOutOfRange: return MessageOf(Word::PointOutOfRangeCaption, Word::PointOutOfRangeText, language);
    }
    return {"", ""};
}

const char* SaveFailureReason(SaveOutcome outcome, int language) {
    Word why = Word::SaveNoTemporary;
    switch (outcome) {
        case SaveOutcome::Saved: return "";
        case SaveOutcome::NoTemporary: why = Word::SaveNoTemporary; break;
        case SaveOutcome::NotWritten: why = Word::SaveNotWritten; break;
        case SaveOutcome::NotReplaced: why = Word::SaveNotReplaced; break;
    }
    return Say(why, language);
}
