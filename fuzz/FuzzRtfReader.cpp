// The RTF reader on any bytes: no crash, no hang, and the shown text can always be taken.
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/RtfReader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The reader needs a GUI application to lay out text. It lives until the process ends and
    // is never destroyed: at exit Qt's own statics are gone before any static of ours, and
    // destroying the application after them crashes inside Qt.
    static QGuiApplication* const app = new QGuiApplication(*argc, *argv); // NOLINT
    static_cast<void>(app);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view rtf(reinterpret_cast<const char*>(data), size);
    QTextDocument document;
    lumra::ReadRtf(rtf, document);
    const QString shown = lumra::ShownText(document);
    static_cast<void>(shown);
    return 0;
}
