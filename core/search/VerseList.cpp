#include "search/VerseList.h"

#include "SuraTable.h"
#include "documents/RtfVocabulary.h"
#include "documents/TextDocuments.h"
#include "search/SearchCorpus.h"
#include "search/TermMatch.h"

namespace lumra {

namespace {

// Each "_" (a line break in subtitles and footnotes) as a paragraph, then indent.
void AppendWithBreaks(std::string& out, std::string_view text, std::string_view lineBreak,
                      std::string_view indent) {
    for (const char c : text) {
        if (c == '_') {
            out += lineBreak;
            out += indent;
        } else {
            out += c;
        }
    }
}

} // namespace

unsigned char UpperCaseCp1252(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 224 && c <= 254 && c != 247)) {
        return static_cast<unsigned char>(c - 32);
    }
    switch (c) {
    case 154: // š
        return 138;
    case 156: // œ
        return 140;
    case 158: // ž
        return 142;
    case 255: // ÿ
        return 159;
    default:
        return c;
    }
}

std::string CapitaliseTerms(std::string_view text, const SearchState& state, int compareMode) {
    std::string out(text);
    // Capitals compare like the letters they replace, so the folded text stays valid.
    const std::string folded = compareMode == 1 ? ForCompare(text, 1) : std::string();
    for (int k = 1; k <= state.termCount && k < static_cast<int>(state.terms.size()); ++k) {
        const std::string& term = state.terms[static_cast<std::size_t>(k)].text;
        if (term.empty()) {
            continue;
        }
        std::string upper(term);
        for (char& c : upper) {
            c = static_cast<char>(UpperCaseCp1252(static_cast<unsigned char>(c)));
        }
        const std::string key = ForCompare(term, compareMode);
        const std::string& haystack = compareMode == 1 ? folded : out;
        for (std::size_t at = haystack.find(key); at != std::string::npos;
             at = haystack.find(key, at + key.size())) {
            out.replace(at, upper.size(), upper);
        }
    }
    return out;
}

void AppendVerseListEntry(std::string& out, const Corpus& corpus, int position,
                          const VerseListOptions& options) {
    if (!IsValidPosition(position)) {
        return;
    }
    const auto p = static_cast<std::int16_t>(position);
    if (options.subtitle && corpus.HasSubtitle(position)) {
        out += "     ";
        AppendWithBreaks(out, FieldText(corpus, SearchField::Subtitle, position), options.lineBreak,
                         "     ");
        out += options.lineBreak;
        out += options.lineBreak;
    }
    out += '[';
    out += std::to_string(SuraOfPosition(p));
    out += ':';
    out += std::to_string(VerseOfPosition(p));
    out += ']';
    out += options.sameLine ? std::string_view("  ") : options.lineBreak;
    const std::string_view verse = FieldText(corpus, SearchField::VerseText, position);
    if (options.capitalTerms != nullptr) {
        out += CapitaliseTerms(verse, *options.capitalTerms, options.compareMode);
    } else {
        out += verse;
    }
    out += options.lineBreak;
    out += options.lineBreak;
    if (options.footnote && corpus.HasFootnote(position)) {
        out += "   ";
        AppendWithBreaks(out, FieldText(corpus, SearchField::Footnote, position), options.lineBreak,
                         "");
        out += options.lineBreak;
        out += options.lineBreak;
    }
}

std::string VerseListDocument(std::string_view entries, int viewFontSize) {
    std::string document(rtf::kListHeader);
    document += rtf::kFontSizeToken;
    document += ' ';
    document += entries;
    document += rtf::kDocumentEnd;
    return WithViewFontSize(document, viewFontSize);
}

} // namespace lumra
