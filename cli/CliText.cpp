#include "cli/CliText.h"

#include "export/ExportNames.h"

namespace lumra::cli {

std::string PrintedText(std::string_view text, bool crlf, bool isUtf8) {
    const std::string utf8 = isUtf8 ? std::string(text) : Cp1252ToUtf8(text);
    if (crlf) {
        return utf8;
    }
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
            continue;
        }
        out += utf8[i];
    }
    return out;
}

std::string OneLine(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        const char c = cp1252[i];
        if (c == '\r' && i + 1 < cp1252.size() && cp1252[i + 1] == '\n') {
            continue;
        }
        out += (c == '\n' || c == '\r') ? ' ' : c;
    }
    return out;
}

} // namespace lumra::cli
