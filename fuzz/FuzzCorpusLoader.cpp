// The corpus parser on data files whose bytes come from the input. A well-formed synthetic
// data set is the starting point, so that the input reaches every file rather than stopping
// at the first one; the input then damages the files.
//
// Input: a sequence of edits, each "file byte, mode byte, two length bytes, data":
//   mode 0 replaces the file by the data, 1 cuts it at the length (x 64), 2 writes the data
//   over the file at the offset length (x 64), 3 empties the file, 4 appends the data.
// The first byte's high bit chooses the language code.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "SyntheticDataSet.h"
#include "corpus/CorpusLoader.h"
#include "corpus/InterfaceTexts.h"

namespace {

struct Baseline {
    lumra::CorpusFiles files;
    lumra::InterfaceTexts texts;
};

// Read once per process from a synthetic data set written to a scratch folder.
Baseline ReadBaseline() {
    const std::string folder = lumra::fuzz::ScratchFolder("corpus-baseline");
    lumra::test::SyntheticDataSet::Write(folder);
    Baseline b;
    const auto read = [&](const std::string& name) {
        return lumra::test::ReadFile(folder + "en" + name);
    };
    b.files = {read("kvt.txt"), lumra::test::ReadFile(folder + "Ocf"),
               read("nst.txt"), read("nfn.txt"),
               read("ksn.txt"), read("hlp.rtf"),
               read("len"),     read("aapx"),
               read("apt.txt")};
    // The verse file keeps its first 100 lines (the parser accepts fewer than every
    // position): every line is split alike, and a whole verse file is a large allocation,
    // which the sanitizer maps afresh for every input, so that the page faults and the
    // splitting would cost more than the rest of the parsing.
    std::size_t cut = 0;
    for (int line = 0; line < 100 && cut != std::string::npos; ++line) {
        cut = b.files.verses.find('\n', cut + 1);
    }
    b.files.verses.resize(std::min(b.files.verses.size(), cut + 1));
    lumra::LoadInterfaceTexts(b.texts, folder + "enift.txt");
    std::filesystem::remove_all(folder);
    return b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumra;
    static const Baseline baseline = ReadBaseline();

    CorpusFiles files = baseline.files;
    const std::array<std::string*, 9> parts = {
        &files.verses, &files.figures, &files.subtitles,  &files.footnotes,     &files.suraNames,
        &files.help,   &files.lengths, &files.appendices, &files.appendixTitles};
    std::size_t at = 0;
    while (at + 4 <= size) {
        std::string& file = *parts[data[at] % parts.size()];
        const int mode = data[at + 1] % 5;
        const std::size_t length =
            static_cast<std::size_t>(data[at + 2]) | (static_cast<std::size_t>(data[at + 3]) << 8);
        at += 4;
        const std::size_t dataLength = (mode == 1 || mode == 3) ? 0 : std::min(length, size - at);
        const std::string_view bytes(reinterpret_cast<const char*>(data + at), dataLength);
        at += dataLength;
        switch (mode) {
        case 0:
            file = std::string(bytes);
            break;
        case 1:
            file.resize(std::min(file.size(), length * 64));
            break;
        case 2: {
            const std::size_t offset = std::min(file.size(), length * 64);
            file.replace(offset, std::min(bytes.size(), file.size() - offset), bytes);
            break;
        }
        case 3:
            file.clear();
            break;
        default:
            file += bytes;
            break;
        }
    }
    const auto result = ParseCorpus(
        std::move(files), (size > 0 && (data[0] & 0x80) != 0) ? "sv" : "en", baseline.texts);
    static_cast<void>(result.ok());
    return 0;
}
