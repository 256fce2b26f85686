// Reading a 24-hour recording at one sample per second in each format, and
// summarising it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchFiles.h"
#include "HrmReader.h"
#include "RecordingSummary.h"
#include "TourReader.h"
#include "TurReader.h"

namespace {

using kadenzo::bench::kDaySeconds;
using kadenzo::bench::PutLe;
using kadenzo::bench::TempFile;

void PutFloat(std::string& out, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    PutLe(out, bits, 4);
}

int HeartRate(int i) { return 110 + (i * 7) % 60; }

// Heart rate, speed, cadence, altitude and power, one row per second.
std::string DayHrm() {
    std::string text =
        "[Params]\nVersion=106\nSMode=11110000\nDate=20040315\nStartTime=06:00:00.0\n"
        "Length=24:00:00.0\nInterval=1\n\n[HRData]\n";
    char row[64];
    for (int i = 0; i < kDaySeconds; ++i) {
        int length = std::snprintf(row, sizeof row, "%d\t%d\t%d\t%d\t%d\n", HeartRate(i),
                                   250 + i % 50, 85 + i % 10, 400 + i % 300, 180 + i % 90);
        text.append(row, static_cast<std::size_t>(length));
    }
    return text;
}

std::string DayTur() {
    std::string out = "HACtronic - Tour\n3\n1\n1\nDay\n\n\n15.03.2004\n06:00\n0\n";
    for (int i = 0; i < 43; ++i) out += "Reserve\n";
    out += std::to_string(kDaySeconds) + "\n";
    PutLe(out, 0, 4);
    for (int i = 0; i < kDaySeconds; ++i) {
        PutLe(out, static_cast<std::uint32_t>(i), 4);
        PutLe(out, static_cast<std::uint32_t>(i * 7 / 10), 4);
        PutLe(out, static_cast<std::uint32_t>(400 + i % 300), 2);
        PutLe(out, static_cast<std::uint32_t>(HeartRate(i)), 1);
        PutLe(out, static_cast<std::uint32_t>(85 + i % 10), 1);
        PutLe(out, static_cast<std::uint32_t>(15 + i % 5), 1);
        out.append(7, '\0');
    }
    return out;
}

std::string DayTour() {
    std::string out;
    for (const char* text : {"TOUR1", "Day", "", "", "", "", ""}) {
        PutLe(out, static_cast<std::uint32_t>(std::strlen(text)), 2);
        out += text;
    }
    PutLe(out, 1079330400, 4);
    PutLe(out, kDaySeconds, 4);
    out.push_back('\0');
    out.append(16, '\0');
    for (int i = 0; i < kDaySeconds; ++i) {
        PutLe(out, static_cast<std::uint32_t>(i), 4);
        PutLe(out, static_cast<std::uint32_t>(i * 7), 4);
        PutFloat(out, 400.0f + i % 300);
        PutFloat(out, 15.0f + i % 5);
        PutFloat(out, 85.0f + i % 10);
        PutFloat(out, static_cast<float>(HeartRate(i)));
        out.push_back(i % 3600 == 0 ? '\1' : '\0');
        if (i % 3600 == 0) {
            PutLe(out, 4, 2);
            out += "Hour";
        }
        out.push_back('\0');
    }
    return out;
}

template <typename Load>
void ReadDayFile(benchmark::State& state, const TempFile& file, Load load) {
    for (auto _ : state) {
        kadenzo::CRecording recording;
        load(recording, file.path(), kadenzo::RecordingReadContext{});
        if (recording.count() < kDaySeconds) state.SkipWithError("short recording");
        benchmark::DoNotOptimize(recording.samples.data());
    }
}

void BM_LoadHrmDay(benchmark::State& state) {
    static const TempFile file("kadenzo-bench-day.hrm", DayHrm());
    ReadDayFile(state, file, kadenzo::LoadHrm);
}
BENCHMARK(BM_LoadHrmDay)->Unit(benchmark::kMillisecond);

void BM_LoadTurDay(benchmark::State& state) {
    static const TempFile file("kadenzo-bench-day.tur", DayTur());
    ReadDayFile(state, file, kadenzo::LoadTur);
}
BENCHMARK(BM_LoadTurDay)->Unit(benchmark::kMillisecond);

void BM_LoadTourDay(benchmark::State& state) {
    static const TempFile file("kadenzo-bench-day.tour", DayTour());
    ReadDayFile(state, file, kadenzo::LoadTour);
}
BENCHMARK(BM_LoadTourDay)->Unit(benchmark::kMillisecond);

void BM_SummariseDay(benchmark::State& state) {
    kadenzo::CRecording recording;
    kadenzo::ReadTur(recording, DayTur(), kadenzo::RecordingReadContext{});
    const bool excludePauses = state.range(0) != 0;
    for (auto _ : state) {
        kadenzo::RangeSummary summary =
            kadenzo::SummariseRange(recording, 0, recording.count() - 1, excludePauses);
        benchmark::DoNotOptimize(summary);
    }
}
BENCHMARK(BM_SummariseDay)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
