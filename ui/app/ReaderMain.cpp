// The reader with its windows, in a module that the executable loads only to start it: the
// program folder is the folder of the executable.

#include <QApplication>
#include <QSessionManager>
#include <cstdlib>

#include "app/Application.h"
#include "lumra/ExpectedFingerprint.h"
#include "platform/EndSignals.h"
#include "platform/QtPrompt.h"
#include "platform/QtSettingsStore.h"
#include "platform/SystemLanguage.h"
#include "windows/MainWindow.h"

extern "C" __attribute__((visibility("default"))) int LumraReaderMain(int argc, char* argv[]) {
    lumra::EndSignals endSignals; // before Qt starts any thread
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumra"));
    QApplication::setQuitOnLastWindowClosed(false);

    lumra::ApplicationConfig config;
    config.programFolder = QApplication::applicationDirPath().toStdString() + "/";
    config.expectedFingerprint = lumra::kExpectedFingerprint;
    config.systemLanguageId = lumra::UserDefaultLanguageId();

    lumra::QtSettingsStore store;
    lumra::QtPrompt prompt;
    // Ending at once: no settings saved, no further events.
    lumra::Application app(config, store, prompt, [](int code) { std::_Exit(code); });
    // A logout or a stop ends the reader as its own end does, without the question.
    endSignals.Watch([&app] { app.EndOnRequest(); });
    QObject::connect(&qtApp, &QGuiApplication::commitDataRequest, &qtApp,
                     [&app](QSessionManager&) { app.SaveOnRequest(); });
    if (!app.Start()) {
        return 2;
    }
    app.Main().show();
    return QApplication::exec();
}
