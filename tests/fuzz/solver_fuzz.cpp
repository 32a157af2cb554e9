// Fuzz target: the solver with any pair, any two given values and any launch height. Either
// the checks refuse the data, or the solver refuses them leaving the case untouched, or every
// value it stores is finite and the given ones are kept.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/given.h"
#include "physics/motion.h"
#include "tests/support/motion_cases.h"
#include "tests/support/fake_fields.h"


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 + 3 * sizeof(double)) return 0;
    double in[3];
    std::memcpy(in, data + 1, sizeof in);
    for (double v : in)
        if (!std::isfinite(v)) return 0;  // typed numbers are always finite
    const int first = kAdmissiblePairs[data[0] % 18][0], second = kAdmissiblePairs[data[0] % 18][1];
    const bool checked = data[0] & 0x80;  // half the runs skip the input checks altogether

    ResetFake();
    GiveCase(first, in[0], second, in[1], in[2]);
    if (checked && !CheckGivenData()) return 0;
    const MotionCase before = motionCase;
    if (SolveCase(first, second) != SolveResult::Solved) {
        if (std::memcmp(&before, &motionCase, sizeof before) != 0) std::abort();
        return 0;
    }
    for (int i = 1; i <= 7; ++i)
        if (!std::isfinite(motionCase.values[i]) || motionCase.values[i] != motionCase.work[i]) std::abort();
    if (!std::isfinite(motionCase.apexX) || !std::isfinite(motionCase.apexTime) ||
        !std::isfinite(motionCase.cosAngle) || !std::isfinite(motionCase.sinAngle))
        std::abort();
    if (motionCase.values[first] != in[0] || motionCase.values[second] != in[1]) std::abort();
    return 0;
}
