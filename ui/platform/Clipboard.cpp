#include "platform/Clipboard.h"

#include "platform/Cp1252Qt.h"
#include "platform/RtfReader.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextDocument>

#include <memory>

namespace lumra {

void ClearClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
    }
}

void SetClipboardText(const std::string& cp1252) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(FromCp1252(cp1252));
    }
}

void SetClipboardRtf(const std::string& rtf) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return;
    }
    QTextDocument document;
    ReadRtf(rtf, document);
    auto data = std::make_unique<QMimeData>();
    const QByteArray bytes(rtf.data(), static_cast<qsizetype>(rtf.size()));
    data->setData(QStringLiteral("text/rtf"), bytes);
    data->setData(QStringLiteral("application/rtf"), bytes);
    data->setHtml(document.toHtml());
    data->setText(ShownText(document));
    clipboard->setMimeData(data.release()); // the clipboard takes ownership
}

void SetClipboardUnicode(const std::string& utf8Text, const std::string& utf8Html) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return;
    }
    auto data = std::make_unique<QMimeData>();
    data->setHtml(QString::fromStdString(utf8Html));
    data->setText(QString::fromStdString(utf8Text));
    clipboard->setMimeData(data.release()); // the clipboard takes ownership
}

} // namespace lumra
