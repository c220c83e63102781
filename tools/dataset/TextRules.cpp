#include "dataset/TextRules.h"

#include <cstdio>

namespace lumra::dataset {

namespace {

std::u32string Decode(std::string_view utf8, std::string_view place) {
    std::size_t bad = 0;
    auto text = DecodeUtf8(utf8, &bad);
    if (!text) {
        throw DataError(std::string(place) + ": invalid UTF-8 at byte " + std::to_string(bad));
    }
    if (!text->empty() && text->front() == 0xFEFF) {
        text->erase(0, 1);
    }
    return std::move(*text);
}

bool IsControl(char32_t ch) {
    return ch < 0x20 || ch == 0x7F;
}

void AppendRtfChar(std::string& out, char32_t ch, TextLog& log, std::string_view place) {
    char buf[24];
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (const auto byte = Cp1252Byte(ch)) {
        std::snprintf(buf, sizeof buf, "\\'%02x", static_cast<unsigned>(*byte));
        out.append(buf);
    } else {
        // \uN takes a signed 16-bit value; characters past U+FFFF go as a surrogate pair.
        const auto unit = [&](unsigned u) {
            std::snprintf(buf, sizeof buf, "\\u%d?",
                          static_cast<int>(static_cast<std::int16_t>(u)));
            out.append(buf);
        };
        out.append("{\\uc1");
        if (ch > 0xFFFF) {
            const unsigned v = static_cast<unsigned>(ch) - 0x10000;
            unit(0xD800 + (v >> 10));
            unit(0xDC00 + (v & 0x3FF));
        } else {
            unit(static_cast<unsigned>(ch));
        }
        out.push_back('}');
        log.Record(ch, Change::RtfUnicode, "\\u", place);
    }
}

// Calls emit for every character and "\r\n" for every line end (CR LF, CR or LF).
template <typename Emit> std::string MapLines(const std::u32string& text, Emit emit) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t ch = text[i];
        if (ch == U'\r' || ch == U'\n') {
            out.append("\r\n");
            if (ch == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') {
                ++i;
            }
            continue;
        }
        emit(out, ch);
    }
    return out;
}

} // namespace

std::string EncodeLine(std::string_view utf8, TextUse use, TextLog& log, std::string_view place) {
    const std::u32string text = Decode(utf8, place);
    std::string out;
    out.reserve(text.size() + 8);
    for (const char32_t ch : text) {
        if (IsControl(ch)) {
            out.push_back(' ');
            log.Record(ch, Change::Control, " ", place);
        } else if (ch == U'\\' || ch == U'{' || ch == U'}') {
            const char repl = ch == U'\\' ? '/' : (ch == U'{' ? '(' : ')');
            out.push_back(repl);
            log.Record(ch, Change::RtfSpecial, std::string_view(&repl, 1), place);
        } else if (ch == U'_' && use == TextUse::Markup) {
            out.push_back('-');
            log.Record(ch, Change::Markup, "-", place);
        } else {
            AppendCp1252(out, ch, log, place);
        }
    }
    return out;
}

std::string EncodeRtfText(std::string_view utf8, TextLog& log, std::string_view place) {
    const std::u32string text = Decode(utf8, place);
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char32_t ch : text) {
        if (IsControl(ch)) {
            out.push_back(' ');
            log.Record(ch, Change::Control, " ", place);
        } else if (ch == U'\\' || ch == U'{' || ch == U'}') {
            out.push_back('\\');
            out.push_back(static_cast<char>(ch));
        } else {
            AppendRtfChar(out, ch, log, place);
        }
    }
    return out;
}

std::string EncodePlainDocument(std::string_view utf8, TextLog& log, std::string_view place) {
    return MapLines(Decode(utf8, place), [&](std::string& out, char32_t ch) {
        if (IsControl(ch) && ch != U'\t') {
            out.push_back(' ');
            log.Record(ch, Change::Control, " ", place);
        } else {
            AppendCp1252(out, ch, log, place);
        }
    });
}

std::string EncodeRtfDocument(std::string_view utf8, TextLog& log, std::string_view place) {
    return MapLines(Decode(utf8, place), [&](std::string& out, char32_t ch) {
        if (IsControl(ch) && ch != U'\t') {
            out.push_back(' ');
            log.Record(ch, Change::Control, " ", place);
        } else {
            AppendRtfChar(out, ch, log, place);
        }
    });
}

std::string_view TrimTrailingSpace(std::string_view text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' ||
                             text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace lumra::dataset
