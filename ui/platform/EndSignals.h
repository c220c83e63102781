#pragma once
// The signals that end a desktop program (SIGTERM at a logout, SIGHUP, SIGINT) as events of
// the event loop: the signals are blocked and read from a signalfd, so that no handler runs
// inside a signal. Make it before the QApplication, so that every thread started afterwards
// (Qt's own included) keeps them blocked and none ends the process by the default action.

#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <signal.h>

namespace lumra {

class EndSignals {
public:
    EndSignals();
    ~EndSignals();
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

    // Once the application's event loop exists: onEnd runs in it for each signal that came or
    // comes. False when the signals could not be taken over (they then end the process).
    bool Watch(std::function<void()> onEnd);

private:
    sigset_t signals_{};
    sigset_t previous_{};
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace lumra
