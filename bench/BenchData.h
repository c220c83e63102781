#pragma once
// Small helpers the measurements share: file bytes, the corpus file list, a silent prompt.

#include <string>
#include <string_view>
#include <vector>

#include "Prompt.h"

namespace lumra::bench {

// The term of the one-term search: frequent in the verse texts of the English data set.
inline constexpr std::string_view kOneTerm = "merciful";

// The whole file, read with one open and one read of its size; empty when unreadable.
std::string FileBytes(const std::string& path);

// The files the corpus of a language is read from.
std::vector<std::string> CorpusFiles(const std::string& folder, const std::string& code);

// Answers every box at once: OK, or Yes to a question; beeps are silent.
class NullPrompt final : public Prompt {
public:
    PromptAnswer Show(const std::string&, const std::string&, PromptIcon,
                      PromptButtons buttons) override {
        return buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
    }
    void Beep() override {}
};

} // namespace lumra::bench
