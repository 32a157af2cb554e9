#include "text/given_text.h"

#include "text/conditions_text.h"
#include "text/words.h"

GivenReading ReadGivenTexts(const GivenTexts& texts, GivenStage stage, const Conditions& conditions, GivenData& data,
                            NumberReader read) {
    GivenReading reading;
    const bool whole = stage == GivenStage::Whole;
    double y0 = 0;
    if (!read(texts.y0, y0)) {
        y0 = 0;
        // Solving with a launch height the user did not mean is worse than asking again;
        // ticking boxes while the field is half typed does not complain.
        if (whole) {
            reading.refusal = GivenRefusal::LaunchHeight;
            return reading;
        }
    }
    data.y0 = y0;
    for (bool given : texts.given) reading.count += given ? 1 : 0;
    data.pair = {0, 0};
    int counted = 0;
    for (int p = 1; p <= kParamCount; ++p) {
        if (!texts.given[p]) continue;
        if (++counted == 3) {
            reading.refusal = GivenRefusal::TooMany;
            return reading;
        }
        (counted == 1 ? data.pair.first : data.pair.second) = p;
        double value = 0;
        if (!texts.value[p].empty() && !read(texts.value[p], value)) {
            reading.refusal = GivenRefusal::WrongValue;
            reading.param = p;
            return reading;
        }
        data.values[p] = value;
    }
    if (IsIndeterminatePair(data.pair)) {
        reading.refusal = GivenRefusal::Indeterminate;
        return reading;
    }
    if (!whole) return reading;
    if (counted < 2) {
        reading.refusal = GivenRefusal::TooFew;
        return reading;
    }
    reading.air = conditions.air;
    reading.faults = CheckCase(conditions, data);
    if (!reading.faults.empty()) reading.refusal = GivenRefusal::DataFaults;
    return reading;
}

Message GivenRefusalMessage(const GivenReading& reading, const GivenData& data, int language) {
    switch (reading.refusal) {
        case GivenRefusal::None: break;
        case GivenRefusal::LaunchHeight: return WrongValueMessage(Say(Word::LaunchHeight, language), language);
        case GivenRefusal::TooMany: return TooManyDataMessage(language);
        case GivenRefusal::WrongValue: return WrongValueMessage(ParamName(reading.param, language), language);
        case GivenRefusal::Indeterminate: return IndeterminateMessage(language);
        case GivenRefusal::TooFew: return InsufficientDataMessage(language);
        case GivenRefusal::DataFaults: {
            const bool ground = data.y0 == 0;
            if (reading.air) return AirDataFaultsMessage(reading.faults, data.values[ParamVo], ground, language);
            std::vector<DataFaultAt> vacuum;
            for (const CaseFault& f : reading.faults) vacuum.push_back({f.fault, f.param});
            return DataFaultsMessage(vacuum, ground, language);
        }
    }
    return {"", ""};
}

std::string GivenFaultLine(const GivenReading& reading, std::size_t i, const GivenData& data, int language) {
    const CaseFault& fault = reading.faults[i];
    const bool ground = data.y0 == 0;
    if (reading.air) return AirDataFaultLine(fault, data.values[ParamVo], ground, language);
    return DataFaultLine({fault.fault, fault.param}, ground, language);
}
