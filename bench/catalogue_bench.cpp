// Reading big catalogues and promotion files: what start-up and every ticker
// step cost as the files grow.
#include "app/catalogue.h"
#include "storage/inifile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

std::string MakeCatalogue(int categories, int channels) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("kelvora-bench-" + std::to_string(::getpid()) + "-" + std::to_string(categories) +
                               "-" + std::to_string(channels) + ".dat"))
                                 .string();
    std::ofstream out(path, std::ios::binary);
    out << "[Layer1]\r\n";
    for (int c = 0; c < categories; ++c) out << "Category " << c << "=\r\n";
    out << "[Layer2]\r\n";
    for (int i = 0; i < channels; ++i) out << "Channel " << i << "=Category " << (i % categories) << "\r\n";
    return path;
}

void BM_ReadCatalogue(benchmark::State& state) {
    const int categories = int(state.range(0)), channels = int(state.range(1));
    const std::string path = MakeCatalogue(categories, channels);
    std::size_t shown = 0;
    for (auto _ : state) {
        const auto catalogue = ReadCatalogue(path);
        shown = 0;
        for (const auto& c : catalogue) shown += c.channels.size();
        benchmark::DoNotOptimize(shown);
    }
    state.counters["categories"] = double(categories);
    state.counters["channels_in_file"] = double(channels);
    state.counters["channels_listed"] = double(shown);  // within the 16 KB listing limit
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadCatalogue)->Args({15, 0})->Args({100, 1000})->Args({1000, 100000})->Unit(benchmark::kMillisecond);

void BM_TickerStep(benchmark::State& state) {
    // One step: list the promotion section of a file with n labels.
    const std::string path = std::filesystem::temp_directory_path() / ("kelvora-bench-ads-" + std::to_string(::getpid()));
    {
        std::ofstream out(path, std::ios::binary);
        out << "[VizID ADS]\r\n";
        for (int i = 0; i < state.range(0); ++i) out << "Label " << i << "=http://ads.example/" << i << "\r\n";
    }
    for (auto _ : state) benchmark::DoNotOptimize(TIniFile(path).ListKeys("VizID ADS"));
    std::remove(path.c_str());
}
BENCHMARK(BM_TickerStep)->Arg(7)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_WriteEntry(benchmark::State& state) {
    // A write rewrites the file through a new copy (fsync and rename included).
    const std::string path = std::filesystem::temp_directory_path() / ("kelvora-bench-w-" + std::to_string(::getpid()));
    TIniFile ini(path);
    int i = 0;
    for (auto _ : state) ini.WriteEntry("Layer1", "Category " + std::to_string(i++ % 15), "");
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteEntry)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
