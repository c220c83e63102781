// The RTF reader on any bytes: no crash, no hang, and the shown text can always be taken.
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/RtfReader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Owned for the whole run on purpose: the reader needs a GUI application to lay out text.
    static std::unique_ptr<QGuiApplication> app; // NOLINT: one application per fuzzing process
    app = std::make_unique<QGuiApplication>(*argc, *argv);
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
