#include "platform/EndSignals.h"

#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace lumra {

EndSignals::EndSignals() {
    sigemptyset(&signals_);
    for (const int s : {SIGTERM, SIGHUP, SIGINT}) {
        sigaddset(&signals_, s);
    }
    if (pthread_sigmask(SIG_BLOCK, &signals_, &previous_) != 0) {
        return;
    }
    fd_ = signalfd(-1, &signals_, SFD_NONBLOCK | SFD_CLOEXEC);
    if (fd_ < 0) {
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
}

EndSignals::~EndSignals() {
    notifier_.reset();
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool EndSignals::Watch(std::function<void()> onEnd) {
    if (fd_ < 0) {
        return false;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated,
                     [fd = fd_, onEnd = std::move(onEnd)] {
                         signalfd_siginfo info{};
                         bool came = false;
                         while (::read(fd, &info, sizeof info) == sizeof info) {
                             came = true;
                         }
                         if (came) {
                             onEnd();
                         }
                     });
    return true;
}

} // namespace lumra
