#include "ScriptedPrompt.h"

namespace lumra::test {

PromptAnswer ScriptedPrompt::Show(const std::string& message, const std::string& title,
                                  PromptIcon icon, PromptButtons buttons) {
    boxes.push_back({message, title, icon, buttons});
    events.push_back("box:" + message);
    if (realBoxes != nullptr) {
        return realBoxes->Show(message, title, icon, buttons);
    }
    if (!answers_.empty()) {
        const auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
}

void ScriptedPrompt::Beep() {
    ++beeps;
    events.emplace_back("beep");
}

} // namespace lumra::test
