#pragma once
// A reader started in-process on the program folder of the build, as main() starts it, with
// every start-up box and the start-up window answered automatically.

#include <QTimer>
#include <memory>
#include <string>

#include "BenchData.h"
#include "MemorySettingsStore.h"
#include "app/Application.h"
#include "settings/SettingsStore.h"

namespace lumra::bench {

// Paints each modal window as soon as it is shown and closes it with Esc, until stopped.
class ModalCloser {
public:
    ModalCloser();
    void Start() { timer_.start(); }
    void Stop() { timer_.stop(); }

private:
    QTimer timer_;
};

class StartedReader {
public:
    StartedReader();
    // The whole start-up; false when the program ended during it.
    bool Start();
    Application& App() { return *app_; }
    // Closes each modal window as soon as it is shown (painted first), or no longer.
    void CloseModals(bool on) { on ? closer_.Start() : closer_.Stop(); }
    int endCode = -1;

private:
    NullPrompt prompt_;
    // Settings kept in memory, so that a run neither reads nor changes the user's.
    test::MemorySettingsStore store_;
    ModalCloser closer_;
    std::unique_ptr<Application> app_;
};

// The program folder of the build, with a trailing slash.
std::string ProgramFolder();

} // namespace lumra::bench
