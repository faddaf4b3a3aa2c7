// Text operations: FindText and FindTextReverse on a long Chinese path against
// std::string::find and rfind on the same bytes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "host/text.h"

namespace {

using Clock = std::chrono::steady_clock;

const tarnwick::Text kPath =
    "C:\\Users\\张三\\下载\\刷机包\\欧珀手机\\第五代\\官方固件\\二零一四年\\最新版本\\"
    "备份文件夹\\恢复模式镜像\\第三方恢复\\中文界面\\已经测试过的版本\\应用程序安装包.apk";

template <typename Operation>
double NanosecondsPerCall(Operation operation) {
    constexpr int kCalls = 20000;
    const auto started = Clock::now();
    for (int i = 0; i < kCalls; ++i) {
        benchmark::DoNotOptimize(operation());
    }
    return std::chrono::duration<double, std::nano>(Clock::now() - started).count() / kCalls;
}

void TextFind(benchmark::State& state) {
    const std::string& bytes = kPath.bytes();
    const tarnwick::Text apk = ".apk";
    const tarnwick::Text backslash = "\\";
    double find = 0, findText = 0, rfind = 0, findReverse = 0;
    for (auto _ : state) {
        const double a = NanosecondsPerCall([&] { return bytes.find(".apk"); });
        const double b = NanosecondsPerCall([&] { return tarnwick::FindText(kPath, apk); });
        const double c = NanosecondsPerCall([&] { return bytes.rfind('\\'); });
        const double d =
            NanosecondsPerCall([&] { return tarnwick::FindTextReverse(kPath, backslash); });
        find += a;
        findText += b;
        rfind += c;
        findReverse += d;
        state.SetIterationTime((a + b + c + d) * 20000 / 1e9);
    }
    state.counters["find_ns"] = find / static_cast<double>(state.iterations());
    state.counters["FindText_ns"] = findText / static_cast<double>(state.iterations());
    state.counters["find_ratio"] = findText / find;
    state.counters["rfind_ns"] = rfind / static_cast<double>(state.iterations());
    state.counters["FindTextReverse_ns"] = findReverse / static_cast<double>(state.iterations());
    state.counters["reverse_ratio"] = findReverse / rfind;
}
BENCHMARK(TextFind)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
