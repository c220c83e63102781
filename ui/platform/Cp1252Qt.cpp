#include "platform/Cp1252Qt.h"

#include "text/Cp1252Table.h"

namespace lumra {

namespace {

char ByteOf(char16_t unit) {
    const auto byte = Cp1252ByteOf(unit);
    return byte ? static_cast<char>(*byte) : '?';
}

} // namespace

char16_t Cp1252ToUnicode(unsigned char byte) {
    // Every character of the code page lies in the basic plane.
    return static_cast<char16_t>(Cp1252Character(byte));
}

QString FromCp1252(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        *out++ = QChar(Cp1252ToUnicode(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string ToCp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            ++i;
            bytes.push_back('?');
            continue;
        }
        bytes.push_back(ByteOf(unit.unicode()));
    }
    return bytes;
}

} // namespace lumra
