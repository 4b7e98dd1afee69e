// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <benchmark/benchmark.h>

// The main of the benchmarks that need no window system.
int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
