#pragma once

#include <benchmark/benchmark.h>

// Runs the benchmarks registered so far, as Google Benchmark's own main
// would, with its command-line flags.
inline int runRegisteredBenchmarks(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
