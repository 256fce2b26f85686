// Document files from arbitrary bytes: every input either reads or fails with an
// ArchiveError; whatever reads must save, read back and save to the same bytes.
//
// Seed corpus (fuzz/corpus/document/): empty.kdz is the 106-byte empty document,
// demo.kdz comes from `kadenzo-tool demo`, sample.kdz from `kadenzo-tool load` of a
// dump with odd values (NaN, status 2, negative markers), old-format.kdz is a file
// without the magic text holding a raw library and two raw workouts.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "Database.h"
#include "DocumentFile.h"
#include "Library.h"

namespace {

std::vector<std::uint8_t> Save(kadenzo::DocumentContents& c) {
    kadenzo::MemoryStream stream;
    kadenzo::CArchive ar(stream, kadenzo::CArchive::Mode::Store);
    kadenzo::WriteDocument(ar, c.birthDate, c.maxHeartRate, c.hrFormula, *c.library, *c.log);
    ar.Close();
    return stream.TakeBytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kadenzo::DocumentContents contents;
    try {
        contents = kadenzo::ReadDocument(std::vector<std::uint8_t>(data, data + size));
    } catch (const kadenzo::ArchiveError&) {
        return 0;
    }
    contents.log->RemoveInvalid(contents.library.get());
    std::vector<std::uint8_t> saved = Save(contents);
    kadenzo::DocumentContents again = kadenzo::ReadDocument(saved);
    if (Save(again) != saved) std::abort();
    return 0;
}
