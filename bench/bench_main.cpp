// The benchmarks run with a QApplication on the platform the environment names (the start-up
// figure needs a real display; the rest run offscreen as well).
#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
