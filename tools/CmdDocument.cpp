// The document subcommands: dump, load, info and demo.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>

#include "AppContext.h"
#include "Commands.h"
#include "Database.h"
#include "DemoDiary.h"
#include "DocumentFile.h"
#include "JsonDocument.h"
#include "Library.h"
#include "ReportedDocument.h"
#include "SavedDocument.h"

namespace kadenzo::tool {
namespace {

namespace fs = std::filesystem;

bool Usage(const Args& args, std::size_t count, const char* usage) {
    if (args.size() == count) return true;
    std::fprintf(stderr, "usage: kadenzo-tool %s\n", usage);
    return false;
}

}  // namespace

int Dump(const Args& args) {
    if (!Usage(args, 1, "dump FILE")) return 2;
    CDatabase::DropCounts dropped;
    const DocumentContents& contents = ReadToReport(args[0], &dropped);
    std::cout << DocumentToJson(contents).dump(2) << '\n';
    if (dropped.Total() != 0)
        std::fprintf(stderr, "dropped %zu workouts, %zu events\n", dropped.workouts,
                     dropped.events);
    return std::cout.good() ? 0 : 1;
}

int Load(const Args& args) {
    if (!Usage(args, 2, "load JSON OUT")) return 2;
    std::ifstream in(args[0], std::ios::binary);
    if (!in) throw std::runtime_error("cannot open '" + args[0] + "'");
    Json json = Json::parse(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    SaveDocument(DocumentFromJson(json), args[1]);
    return 0;
}

int Info(const Args& args) {
    if (!Usage(args, 1, "info FILE")) return 2;
    CDatabase::DropCounts dropped;
    const DocumentContents& contents = ReadToReport(args[0], &dropped);
    std::printf("workouts %zu\nbodyInfos %zu\nevents %zu\ndropped %zu\n",
                contents.log->WorkoutCount(), contents.log->BodyInfos().size(),
                contents.log->Events().size(), dropped.Total());
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

int Demo(const Args& args) {
    const auto usage = [] {
        std::fputs("usage: kadenzo-tool demo OUT [--german]\n", stderr);
        return 2;
    };
    DemoOptions options;
    std::string out;
    for (const std::string& arg : args) {
        if (arg == "--german") {
            options.german = true;
        } else if (out.empty() && !arg.empty() && arg.front() != '-') {
            out = arg;
        } else {
            return usage();
        }
    }
    if (out.empty()) return usage();
    // The recordings lie in a folder beside the diary, named after it, and
    // the workouts name them by absolute path, so that the import dialog
    // reopens them from wherever the program starts.
    const fs::path diary = fs::absolute(fs::path(out));
    const fs::path folder = diary.parent_path() / (diary.stem().string() + "-recordings");
    options.recordingFolder = folder.string();
    DemoDiary demo = MakeDemo(SystemNow(), options);
    fs::create_directories(folder);
    for (const DemoRecording& recording : demo.recordings) {
        const fs::path path = folder / recording.fileName;
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(recording.bytes.data(), static_cast<std::streamsize>(recording.bytes.size()));
        file.close();
        if (!file) throw std::runtime_error("cannot write '" + path.string() + "'");
    }
    SaveDocument(std::move(demo.contents), out);
    return 0;
}

}  // namespace kadenzo::tool
