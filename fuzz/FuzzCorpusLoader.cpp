// The corpus loader on a program folder whose files come from the input. A well-formed
// synthetic data set is the starting point, so that the input reaches every file rather than
// stopping at the first one; the input then damages the files.
//
// Input: a sequence of edits, each "file byte, mode byte, two length bytes, data":
//   mode 0 replaces the file by the data, 1 cuts it at the length (x 64), 2 writes the data
//   over the file at the offset length (x 64), 3 removes the file, 4 appends the data.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "SyntheticDataSet.h"
#include "corpus/CorpusLoader.h"
#include "corpus/InterfaceTexts.h"

namespace {

using FileSet = std::map<std::string, std::string>;

FileSet ReadBaseline() {
    const std::string folder = lumra::fuzz::ScratchFolder("corpus-baseline");
    lumra::test::SyntheticDataSet::Write(folder);
    FileSet files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] =
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::filesystem::remove_all(folder);
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumra;
    static const FileSet baseline = ReadBaseline();
    static const std::string folder = fuzz::ScratchFolder("corpus");
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const auto& [name, bytes] : baseline) {
            n.push_back(name);
        }
        return n;
    }();

    FileSet files = baseline;
    std::size_t at = 0;
    while (at + 4 <= size) {
        const std::string& name = names[data[at] % names.size()];
        const int mode = data[at + 1] % 5;
        const std::size_t length =
            static_cast<std::size_t>(data[at + 2]) | (static_cast<std::size_t>(data[at + 3]) << 8);
        at += 4;
        const std::size_t dataLength = (mode == 1 || mode == 3) ? 0 : std::min(length, size - at);
        const std::string_view bytes(reinterpret_cast<const char*>(data + at), dataLength);
        at += dataLength;
        auto found = files.find(name);
        switch (mode) {
        case 0:
            files[name] = std::string(bytes);
            break;
        case 1:
            if (found != files.end()) {
                found->second.resize(std::min(found->second.size(), length * 64));
            }
            break;
        case 2:
            if (found != files.end()) {
                const std::size_t offset = std::min(found->second.size(), length * 64);
                found->second.replace(offset, std::min(bytes.size(), found->second.size() - offset),
                                      bytes);
            }
            break;
        case 3:
            files.erase(name);
            break;
        default:
            files[name] += std::string(bytes);
            break;
        }
    }

    fuzz::ClearFolder(folder);
    for (const auto& [name, bytes] : files) {
        fuzz::WriteBytes(folder + name, bytes);
    }
    InterfaceTexts texts;
    LoadInterfaceTexts(texts, folder + "enift.txt");
    const auto result =
        LoadCorpus(folder, (size > 0 && (data[0] & 0x80) != 0) ? "sv" : "en", texts);
    static_cast<void>(result.ok());
    return 0;
}
