#pragma once
// A reader started in-process on the program folder of the build, as main() starts it, with
// every start-up box and the start-up window answered automatically.

#include <QTimer>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "BenchData.h"
#include "app/Application.h"
#include "settings/SettingsStore.h"

namespace lumra::bench {

// Settings kept in memory, so that a run neither reads nor changes the user's.
class MemoryStore final : public SettingsStore {
public:
    std::optional<std::string> Get(const std::string& section,
                                   const std::string& key) const override;
    void Set(const std::string& section, const std::string& key, const std::string& value) override;

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

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
    MemoryStore store_;
    ModalCloser closer_;
    std::unique_ptr<Application> app_;
};

// The program folder of the build, with a trailing slash.
std::string ProgramFolder();

} // namespace lumra::bench
