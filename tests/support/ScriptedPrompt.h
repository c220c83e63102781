#pragma once
// A prompt that records every box and beep and answers from a script, so no test blocks.

#include <deque>
#include <string>
#include <vector>

#include "Prompt.h"

namespace lumra::test {

struct RecordedBox {
    std::string message;
    std::string title;
    PromptIcon icon;
    PromptButtons buttons;
};

class ScriptedPrompt final : public Prompt {
public:
    PromptAnswer Show(const std::string& message, const std::string& title, PromptIcon icon,
                      PromptButtons buttons) override;
    void Beep() override;

    // Answers for the next boxes, in order; afterwards OK, or Yes for a question.
    void Answer(PromptAnswer answer) { answers_.push_back(answer); }

    std::vector<RecordedBox> boxes;
    // When set, each box is recorded and then really shown by this prompt, for tests that
    // answer it with keys.
    Prompt* realBoxes = nullptr;
    // "beep" and "box:<message>" in the order they happened.
    std::vector<std::string> events;
    int beeps = 0;

private:
    std::deque<PromptAnswer> answers_;
};

} // namespace lumra::test
