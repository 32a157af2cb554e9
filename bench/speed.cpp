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
            Solution solution;
            const GivenData given = GiveCase(pair[0], kCase[pair[0]], pair[1], kCase[pair[1]], kCase[0]);
            benchmark::DoNotOptimize(SolveCase(given, solution));
            benchmark::DoNotOptimize(solution);
        }
    }
    state.counters["per solve"] = benchmark::Counter(18.0 * double(state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(SolveEveryPair);

}  // namespace

BENCHMARK_MAIN();
