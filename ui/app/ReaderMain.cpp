// The reader with its windows, in a module that the executable loads only to start it: the
// program folder is the folder of the executable.

#include <QApplication>
#include <QSessionManager>
#include <cstdio>
#include <cstdlib>

#include "app/Application.h"
#include "cli/SubcommandMain.h"
#include "lumra/ExpectedCompanion.h"
#include "lumra/ExpectedFingerprint.h"
#include "platform/EndSignals.h"
#include "platform/QtPrompt.h"
#include "platform/QtSettingsStore.h"
#include "platform/SystemLanguage.h"
#include "windows/MainWindow.h"

namespace {

// Qt ends a run whose platform plugin cannot start with a fatal message and an abort. The
// executable has looked for a display already; whatever else fails ends as a missing display
// does, in one line and with its status.
void PlatformStartMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs("lumra: no display to open the reader on (the window system did not start); "
                   "show, search and export work without one\n",
                   stderr);
        std::_Exit(lumra::cli::kNoDisplay);
    }
    std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

} // namespace

extern "C" __attribute__((visibility("default"))) int LumraReaderMain(int argc, char* argv[]) {
    lumra::EndSignals endSignals; // before Qt starts any thread
    qInstallMessageHandler(PlatformStartMessage);
    QApplication qtApp(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setApplicationName(QStringLiteral("Lumra"));
    QApplication::setQuitOnLastWindowClosed(false);

    lumra::ApplicationConfig config;
    config.programFolder = QApplication::applicationDirPath().toStdString() + "/";
    config.expectedFingerprint = lumra::kExpectedFingerprint;
    config.companionExpected = lumra::kExpectedCompanion;
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
