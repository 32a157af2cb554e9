// Fuzz target: the solver with any pair, any two given values and any launch height. Either
// the checks refuse the data, or the solver refuses them leaving the solution untouched, or
// every value it stores is finite and the given ones are kept.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "physics/given_checks.h"
#include "physics/motion.h"
#include "tests/support/motion_cases.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 + 3 * sizeof(double)) return 0;
    double in[3];
    std::memcpy(in, data + 1, sizeof in);
    for (double v : in)
        if (!std::isfinite(v)) return 0;  // typed numbers are always finite
    const int first = kAdmissiblePairs[data[0] % 18][0], second = kAdmissiblePairs[data[0] % 18][1];
    const bool checked = data[0] & 0x80;  // half the runs skip the input checks altogether

    const GivenData given = GiveCase(first, in[0], second, in[1], in[2]);
    if (checked && !CheckGivenData(given).empty()) return 0;
    Solution solution = SolvedCase(1, 20, 2, 45);  // a solution left from an earlier solve
    const Solution before = solution;
    if (SolveCase(given, solution) != SolveResult::Solved) {
        // Field by field: the padding of the records is no concern of the solver's.
        for (int i = 1; i <= 7; ++i)
            if (solution.values[i] != before.values[i]) std::abort();
        if (solution.y0 != before.y0 || solution.cosAngle != before.cosAngle ||
            solution.sinAngle != before.sinAngle || solution.apexX != before.apexX ||
            solution.apexTime != before.apexTime)
            std::abort();
        return 0;
    }
    for (int i = 1; i <= 7; ++i)
        if (!std::isfinite(solution.values[i])) std::abort();
    if (!std::isfinite(solution.apexX) || !std::isfinite(solution.apexTime) ||
        !std::isfinite(solution.cosAngle) || !std::isfinite(solution.sinAngle))
        std::abort();
    if (solution.values[first] != in[0] || solution.values[second] != in[1]) std::abort();
    return 0;
}
