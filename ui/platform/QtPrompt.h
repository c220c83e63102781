#pragma once
// Real message boxes on the active window, and the system beep.

#include <QPointer>
#include <QWidget>

#include "Prompt.h"

namespace lumra {

class QtPrompt final : public Prompt {
public:
    PromptAnswer Show(const std::string& message, const std::string& title, PromptIcon icon,
                      PromptButtons buttons) override;
    void Beep() override;
};

} // namespace lumra
