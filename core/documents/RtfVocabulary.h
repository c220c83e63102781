#pragma once
// The fixed rich-text fragments that every page and list of the reader is built from.

#include <array>
#include <string>
#include <string_view>

namespace lumra {

// The style prefixes per text kind (1 subtitle, 2 verse text, 3 footnote); index 0 unused.
struct HighlightStyles {
    std::array<std::string, 4> hitStyle;
    std::array<std::string, 4> plainStyle;
};

} // namespace lumra

namespace lumra::rtf {

inline constexpr std::string_view kColourTable =
    "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue0;\\red255\\green255\\blue255;"
    "\\red0\\green255\\blue255;\\red255\\green192\\blue255;}";
// Opens a page: a centred, bold paragraph in colour 4.
inline constexpr std::string_view kPageHeader =
    "{\\rtf\\fs20\\b\\qc{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue0;"
    "\\red255\\green255\\blue255;\\red0\\green255\\blue255;\\red255\\green192\\blue255;}\\cf4 ";
// Opens a list or framed text: left-aligned plain text in colour 2.
inline constexpr std::string_view kListHeader =
    "{\\rtf\\ql{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue0;"
    "\\red255\\green255\\blue255;\\red0\\green255\\blue255;\\red255\\green192\\blue255;}\\cf2 ";
inline constexpr std::string_view kBodyParagraph = "\\par\\plain\\fs20\\cf2\\ql ";
inline constexpr std::string_view kSecondSubtitleLine = "\\par\\plain\\fs20\\b\\cf4\\qc ";
inline constexpr std::string_view kReferencePrefix = "\\pard\\plain\\fs20\\cf3\\b ";
inline constexpr std::string_view kReferenceSuffix = "\\pard\\plain\\cf2\\fs20 ";
inline constexpr std::string_view kFootnotePrefix = "\\pard\\plain\\cf2\\fs20 ";
inline constexpr std::string_view kDocumentEnd = " }";
inline constexpr std::string_view kFontSizeToken = "\\fs20";
inline constexpr std::string_view kFootnoteSizeToken = "\\fsfn";

// The text with every occurrence of token replaced, compared exactly, left to right.
inline std::string ReplaceAll(std::string_view text, std::string_view token,
                              std::string_view with) {
    if (token.empty()) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t from = 0;
    for (std::size_t at = text.find(token); at != std::string_view::npos;
         at = text.find(token, from)) {
        out.append(text.substr(from, at - from));
        out.append(with);
        from = at + token.size();
    }
    out.append(text.substr(from));
    return out;
}

// Every font-size token "\fs20" as the given size in half-points.
inline std::string WithFontSize(std::string_view text, int halfPoints) {
    return ReplaceAll(text, kFontSizeToken, "\\fs" + std::to_string(halfPoints));
}

} // namespace lumra::rtf

namespace lumra {

// The hit and plain prefixes of the three text kinds, as the start-up sets them.
inline HighlightStyles StartupHighlightStyles() {
    HighlightStyles s;
    s.hitStyle[1] = "\\pard\\plain\\fs20\\cf1\\b\\qc ";
    s.plainStyle[1] = "\\pard\\plain\\fs20\\cf4\\b\\qc ";
    for (int kind = 2; kind <= 3; ++kind) {
        s.hitStyle[static_cast<std::size_t>(kind)] = "\\pard\\plain\\fs20\\cf1\\b ";
        s.plainStyle[static_cast<std::size_t>(kind)] = "\\pard\\plain\\cf2\\fs20 ";
    }
    return s;
}

} // namespace lumra
