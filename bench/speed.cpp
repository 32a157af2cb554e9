// Native cost of one solve (every pair, with a launch height) with Google Benchmark.
#include <benchmark/benchmark.h>

#include "physics/motion.h"
#include "tests/support/motion_cases.h"

namespace {

// Vo 20 at 45 degrees from 10 m: Vo, angle, Vx, Vy0, reach, height, T.
const double kCase[8] = {10, 20, 45, 14.142135623730951, 14.142135623730949, 49.08170, 20.19368, 3.47066};

void SolveEveryPair(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& pair : kAdmissiblePairs) {
            motionCase.givenMask = (1u << pair[0]) | (1u << pair[1]);
            motionCase.work[0] = kCase[0];
            motionCase.work[pair[0]] = kCase[pair[0]];
            motionCase.work[pair[1]] = kCase[pair[1]];
            benchmark::DoNotOptimize(SolveCase(pair[0], pair[1]));
        }
    }
    state.counters["per solve"] = benchmark::Counter(18.0 * double(state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(SolveEveryPair);

}  // namespace

BENCHMARK_MAIN();
