// The benchmarks run in a process set up as the program sets itself up.
#include <benchmark/benchmark.h>

#include "platform/freed_memory.h"

int main(int argc, char** argv) {
    gridlet::KeepFreedMemoryForReuse();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
