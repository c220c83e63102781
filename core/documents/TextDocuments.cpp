#include "documents/TextDocuments.h"

#include "corpus/Corpus.h"
#include "corpus/LanguageTable.h"
#include "documents/RtfVocabulary.h"

namespace lumra {

std::string WithViewFontSize(std::string_view rtf, int viewFontSize) {
    return rtf::WithFontSize(rtf, viewFontSize);
}

std::string FramePlainText(std::string_view text) {
    std::string out(rtf::kListHeader);
    out.reserve(out.size() + text.size() + text.size() / 16 + rtf::kDocumentEnd.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            out += "\\par ";
            break;
        case '\n':
            out += "\\par ";
            break;
        case '\\':
        case '{':
        case '}':
            out += '\\';
            out += c;
            break;
        default:
            out += c;
        }
    }
    out += rtf::kDocumentEnd;
    return out;
}

std::string AppendixDocument(const Corpus& corpus, const Language& language, int number) {
    if (number < 1 || static_cast<std::size_t>(number) >= corpus.appendices.size()) {
        return {};
    }
    const std::string_view text = corpus.appendices[static_cast<std::size_t>(number)];
    return language.plainAppendix == 1 ? FramePlainText(text) : std::string(text);
}

std::string FootnoteDocument(std::string_view footnoteRtf, int viewFontSize) {
    std::string page(rtf::kPageHeader);
    page += footnoteRtf;
    page += rtf::kDocumentEnd;
    return WithViewFontSize(page, viewFontSize);
}

std::string FootnoteClipText(const Corpus& corpus, int position) {
    std::string out;
    if (position >= 0 && static_cast<std::size_t>(position) < corpus.links.size()) {
        const int line = corpus.links[static_cast<std::size_t>(position)].footnoteLine;
        if (line >= 1 && static_cast<std::size_t>(line) < corpus.footnotes.size()) {
            for (const char c : corpus.footnotes[static_cast<std::size_t>(line)]) {
                if (c == '_') {
                    out += "\r\n";
                } else {
                    out += c;
                }
            }
        }
    }
    out += "\r\n";
    return out;
}

} // namespace lumra
