#pragma once
// Helpers shared by the fuzz harnesses: cutting the input into parts and a scratch folder that
// lives for the whole fuzzing run.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "Prompt.h"

namespace lumra::fuzz {

// The parts of the input between the separators; a missing part stays missing, so the
// callers can leave files out.
inline std::vector<std::string_view> SplitInput(std::string_view input,
                                                std::string_view separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto end = input.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(input.substr(start));
            return parts;
        }
        parts.push_back(input.substr(start, end - start));
        start = end + separator.size();
    }
}

// A folder of its own per fuzzing process, on memory-backed storage when there is some.
inline std::string ScratchFolder(const std::string& name) {
    const std::filesystem::path base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    const auto dir = base / ("lumra-fuzz-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Answers every question with the first byte it was given, and counts the messages.
class FuzzPrompt final : public Prompt {
public:
    explicit FuzzPrompt(bool agree) : agree_(agree) {}
    PromptAnswer Show(const std::string&, const std::string&, PromptIcon,
                      PromptButtons buttons) override {
        ++shown;
        switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::OkCancel:
            return agree_ ? PromptAnswer::Ok : PromptAnswer::Cancel;
        case PromptButtons::YesNo:
            return agree_ ? PromptAnswer::Yes : PromptAnswer::No;
        }
        return PromptAnswer::Ok;
    }
    void Beep() override {}
    int shown = 0;

private:
    bool agree_;
};

} // namespace lumra::fuzz
