#include "corpus/InterfaceTexts.h"

#include "corpus/DataFile.h"
#include "corpus/LenientNumber.h"

namespace lumra {

const std::string& InterfaceTexts::operator[](int n) const {
    static const std::string kEmpty;
    if (n < 0 || n >= kInterfaceTextCount) {
        return kEmpty;
    }
    return entries_[static_cast<std::size_t>(n)];
}

void InterfaceTexts::Set(int n, std::string text) {
    if (n >= 0 && n < kInterfaceTextCount) {
        entries_[static_cast<std::size_t>(n)] = std::move(text);
    }
}

bool LoadInterfaceTexts(InterfaceTexts& texts, const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return false;
    }
    const auto lines = SplitLines(*bytes);
    if (lines.empty()) {
        return false;
    }
    for (const auto& raw : lines) {
        // The underscore becomes a line break before the fields are cut, as the file has it.
        std::string line;
        line.reserve(raw.size() + 8);
        for (char c : raw) {
            if (c == '_') {
                line += "\r\n";
            } else {
                line += c;
            }
        }
        const auto n = LenientInteger(std::string_view(line).substr(0, 4));
        if (n < 0 || n >= kInterfaceTextCount) {
            continue;
        }
        texts.Set(static_cast<int>(n), line.size() > 5 ? line.substr(5) : std::string());
    }
    texts.Set(36, std::string(kWebAddress));
    return true;
}

std::string JoinTexts(const InterfaceTexts& texts, std::initializer_list<int> numbers) {
    std::string out;
    for (int n : numbers) {
        out += texts[n];
    }
    return out;
}

} // namespace lumra
