#include "commun/nombres.h"

#include <benchmark/benchmark.h>

static void BM_FormatGeneral(benchmark::State &state)
{
    double v = 0.000123;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatGeneral(v, 3));
        v *= 1.37;
        if (v > 1e9)
            v = 0.000123;
    }
}
BENCHMARK(BM_FormatGeneral);
