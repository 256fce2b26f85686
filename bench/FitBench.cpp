// Reading a 24-hour FIT activity with one record per second, as a watch
// writes it: position, heart rate, cadence, distance, altitude, power and
// temperature in every record.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchFiles.h"
#include "FitDecoder.h"
#include "FitReader.h"

namespace {

using kadenzo::bench::kDaySeconds;
using kadenzo::bench::PutLe;
using kadenzo::bench::TempFile;
constexpr std::uint32_t kStart = 1079330400 - 631065600;  // 15 March 2004 06:00 UTC in FIT time

std::string DayFit() {
    std::string records;
    // Definition of local type 0 as a record: (field, size, base type).
    const std::uint8_t fields[][3] = {{253, 4, 0x86}, {0, 4, 0x85}, {1, 4, 0x85},
                                      {5, 4, 0x86},   {2, 2, 0x84}, {7, 2, 0x84},
                                      {3, 1, 0x02},   {4, 1, 0x02}, {13, 1, 0x01}};
    records += {0x40, 0, 0};
    PutLe(records, 20, 2);
    records.push_back(static_cast<char>(std::size(fields)));
    for (const auto& f : fields) records.append(reinterpret_cast<const char*>(f), 3);
    for (int i = 0; i < kDaySeconds; ++i) {
        records.push_back(0);
        PutLe(records, kStart + static_cast<std::uint32_t>(i), 4);
        PutLe(records, static_cast<std::uint32_t>(545000000 + i * 100), 4);
        PutLe(records, static_cast<std::uint32_t>(170000000 - i * 70), 4);
        PutLe(records, static_cast<std::uint32_t>(i * 700), 4);  // 7 m/s in centimetres
        PutLe(records, static_cast<std::uint32_t>(2500 + (i % 600)), 2);
        PutLe(records, static_cast<std::uint32_t>(180 + i % 90), 2);
        PutLe(records, static_cast<std::uint32_t>(110 + (i * 7) % 60), 1);
        PutLe(records, static_cast<std::uint32_t>(85 + i % 10), 1);
        PutLe(records, static_cast<std::uint32_t>(15 + i % 5), 1);
    }
    std::string file = {14, 0x20};
    PutLe(file, 2132, 2);
    PutLe(file, static_cast<std::uint32_t>(records.size()), 4);
    file += ".FIT";
    PutLe(file, kadenzo::FitCrc(file), 2);
    file += records;
    PutLe(file, kadenzo::FitCrc(file), 2);
    return file;
}

void BM_LoadFitDay(benchmark::State& state) {
    static const TempFile file("kadenzo-bench-day.fit", DayFit());
    for (auto _ : state) {
        kadenzo::CRecording recording;
        kadenzo::LoadResult result =
            kadenzo::LoadFit(recording, file.path(), kadenzo::RecordingReadContext{});
        if (result.status != kadenzo::LoadStatus::kLoaded || recording.count() != kDaySeconds)
            state.SkipWithError(result.message.c_str());
        benchmark::DoNotOptimize(recording.samples.data());
    }
}
BENCHMARK(BM_LoadFitDay)->Unit(benchmark::kMillisecond);

// The decoding alone, without the file or the samples.
void BM_DecodeFitDay(benchmark::State& state) {
    const std::string bytes = DayFit();
    for (auto _ : state) {
        std::uint64_t heartBeats = 0;
        kadenzo::DecodeFit(bytes, [&](const kadenzo::FitMessage& m) {
            heartBeats += static_cast<std::uint64_t>(m.Value(3).value_or(0));
        });
        benchmark::DoNotOptimize(heartBeats);
    }
}
BENCHMARK(BM_DecodeFitDay)->Unit(benchmark::kMillisecond);

}  // namespace
