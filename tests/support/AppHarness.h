#pragma once
// A whole reader on the offscreen platform: a synthetic program folder with the real
// fingerprint library, a scripted prompt, a settings store in memory, and helpers that answer
// modal windows while a test waits in them.

#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "MemorySettingsStore.h"
#include "ScriptedPrompt.h"
#include "SyntheticDataSet.h"
#include "app/Application.h"

namespace lumra::test {

class AppHarness {
public:
    AppHarness();
    ~AppHarness();

    // Writes the data set; change files in folder afterwards to break it.
    void WriteDataSet();
    // Makes the application; the expected fingerprint is that of the folder as it is now,
    // unless expectedFingerprint is given.
    Application& Create(int systemLanguageId = 1033, std::string expectedFingerprint = {});
    // Runs the start-up; the start-up window is answered with Esc (or Enter to accept the
    // introduction, whose notices are then closed with Esc).
    bool Start(bool acceptIntroduction = false);
    // Writes, creates and starts with the defaults. Returns the application.
    Application& StartDefault();

    // Calls action with the next modal window as soon as it is shown.
    void OnNextModal(std::function<void(QWidget*)> action);
    // Runs open, which shows a modal window, and the steps in that window once it is active;
    // Esc closes it afterwards when the steps left it open. False when no window came.
    bool InNextModal(const std::function<void()>& open, const std::function<void(QWidget*)>& steps);

    TempFolder folder;
    CompanionExpected companionExpected; // none: the companion files never match
    ScriptedPrompt prompt;
    MemorySettingsStore store;
    std::vector<int> endCodes; // each end of the program, with its exit code
    std::unique_ptr<Application> app;

private:
    QTimer modalWatch_;
    std::vector<std::function<void(QWidget*)>> modalActions_;
    QPointer<QWidget> lastModal_;
    int inactiveTicks_ = 0;
};

} // namespace lumra::test
