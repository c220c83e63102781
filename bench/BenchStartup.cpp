#include "BenchStartup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "lumra/ExpectedCompanion.h"
#include "lumra/ExpectedFingerprint.h"

namespace lumra::bench {

ModalCloser::ModalCloser() {
    // Every pass of the event loop looks for a modal window; the start-up window is answered
    // in the same pass that shows it.
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        modal->repaint();
        // The key as events rather than through the test library, which the program does
        // not load and the start-up would pay for.
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(modal, &key);
        }
    });
}

std::string ProgramFolder() {
    return LUMRA_BENCH_PROGRAM_DIR;
}

StartedReader::StartedReader() {
    ApplicationConfig config;
    config.programFolder = ProgramFolder();
    config.expectedFingerprint = kExpectedFingerprint;
    config.companionExpected = kExpectedCompanion;
    config.systemLanguageId = 1033;
    config.randomSeed = 12345;
    app_ = std::make_unique<Application>(config, store_, prompt_,
                                         [this](int code) { endCode = code; });
}

bool StartedReader::Start() {
    closer_.Start();
    const bool started = app_->Start();
    closer_.Stop();
    return started;
}

} // namespace lumra::bench
