#pragma once
// Message boxes and the beep. The core asks through this interface; the reader answers with
// real boxes, tests with a script.

#include <string>

namespace lumra {

enum class PromptIcon { None, Critical, Question, Information };
enum class PromptButtons { Ok, OkCancel, YesNo };
enum class PromptAnswer { Ok, Cancel, Yes, No };

class Prompt {
public:
    virtual ~Prompt() = default;
    // message and title are Windows-1252 byte strings.
    virtual PromptAnswer Show(const std::string& message, const std::string& title, PromptIcon icon,
                              PromptButtons buttons) = 0;
    virtual void Beep() = 0;
};

} // namespace lumra
