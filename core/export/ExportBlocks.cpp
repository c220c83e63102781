#include "export/ExportBlocks.h"

#include <charconv>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "SuraTable.h"

namespace lumra {

namespace {

constexpr std::string_view kLeft = "\\par\\plain\\fs24\\ql ";
constexpr std::string_view kCentre = "\\par\\plain\\fs24\\qc ";
constexpr std::string_view kTitle = "\\par\\plain\\fs30\\ql ";
constexpr std::string_view kSubtitleLine = "\\par\\plain\\fs24\\i\\qc ";
constexpr std::string_view kReferenceStart =
    "\\par\\pard\\plain\\fs24\\ql \\pard\\plain\\fs24\\ql ";
constexpr std::string_view kTextPart = "\\pard\\plain\\fs24\\ql ";
constexpr std::string_view kFootnoteLine = "\\par\\plain\\li284\\fs20\\ql ";
constexpr std::string_view kCrLf = "\r\n";

constexpr int kRtfStars = 60;
constexpr int kTextStars = 40;

// The text with each '_' written as `by`, appended to out.
void AppendReplacingUnderscores(std::string& out, std::string_view text, std::string_view by) {
    std::size_t from = 0;
    for (auto at = text.find('_'); at != std::string_view::npos; at = text.find('_', from)) {
        out.append(text, from, at - from).append(by);
        from = at + 1;
    }
    out.append(text, from);
}

const std::string& TitleLine(const Corpus& corpus, int sura) {
    static const std::string kNone;
    const auto index = static_cast<std::size_t>(sura - 1);
    return sura >= 1 && index < corpus.suraItems.size() ? corpus.suraItems[index] : kNone;
}

void AppendNumber(std::string& out, int n) {
    char digits[12];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
}

// "[sura:verse]": it stands in every block. The verse is counted from the sura's start, which
// the writer already knows, rather than searched for position by position.
void AppendReference(std::string& out, int position, int sura) {
    out.push_back('[');
    AppendNumber(out, sura);
    out.push_back(':');
    AppendNumber(out, position - kSuras.EndPosition[sura - 1] - kSuras.HasOpening[sura]);
    out.push_back(']');
}

// Where the (non-empty) word next occurs in the text at or after from, as text.find(word,
// from). The word's first letter is common in running text; looking for its first and last
// letter together, 16 places at a time, leaves few places to compare.
std::size_t FindWord(std::string_view text, std::size_t from, std::string_view word) {
#if defined(__SSE2__)
    const std::size_t last = word.size() - 1;
    const __m128i firstLetter = _mm_set1_epi8(word.front());
    const __m128i lastLetter = _mm_set1_epi8(word.back());
    for (; from + last + 16 <= text.size(); from += 16) {
        const auto* at = reinterpret_cast<const __m128i*>(text.data() + from);
        const __m128i starts = _mm_cmpeq_epi8(_mm_loadu_si128(at), firstLetter);
        const __m128i ends = _mm_cmpeq_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from + last)),
            lastLetter);
        for (auto candidates =
                 static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(starts, ends)));
             candidates != 0; candidates &= candidates - 1) {
            const std::size_t place = from + static_cast<std::size_t>(__builtin_ctz(candidates));
            if (text.compare(place, word.size(), word) == 0) {
                return place;
            }
        }
    }
#endif
    return text.find(word, from);
}

} // namespace

void AppendEmphasisedRtfText(std::string& out, std::string_view text, std::string_view word) {
    std::size_t scan = 0;
    if (!word.empty()) {
        for (auto at = FindWord(text, 0, word); at != std::string_view::npos;
             at = FindWord(text, scan, word)) {
            out.append(kTextPart).append(text, scan, at - scan).append("\\b ").append(word);
            // Past the whole occurrence, so that no part of the word is written twice.
            scan = at + word.size();
        }
    }
    out.append(kTextPart).append(text, scan).append(kLeft);
}

void AppendRtfBlock(std::string& out, const ExportSources& sources, int position, int sura,
                    bool heading) {
    const auto& corpus = sources.corpus;
    const auto& t = sources.texts;
    if (heading) {
        out.append(kLeft).append(kLeft).append(kCentre).append(kRtfStars, '*');
        out.append(kLeft).append(kLeft).append(kTitle).append(TitleLine(corpus, sura));
        out.append(kLeft).append(t[86]);
        AppendNumber(out, kSuras.VerseCount[sura]);
        out.append(kLeft).append(t[87]);
        AppendNumber(out, kSuras.RevelationOrder[sura]);
        out.append(kLeft);
    }
    if (corpus.HasSubtitle(position)) {
        const std::string_view subtitle = corpus.SubtitleOf(position);
        const auto cut = subtitle.find('_');
        out.append(kSubtitleLine);
        if (cut == std::string::npos) {
            out.append(subtitle);
        } else {
            out.append(subtitle, 0, cut).append(kSubtitleLine).append(subtitle, cut + 1);
        }
        out.append(kLeft);
    }
    out.append(kReferenceStart);
    AppendReference(out, position, sura);
    out.append(sources.inlineReference == 1 ? std::string_view("  ") : kLeft);
    AppendEmphasisedRtfText(out, corpus.verseText[static_cast<std::size_t>(position)], t[68]);
    if ((corpus.HasFootnote(position) && position < kFirstRtfPositionWithoutFootnote) ||
        position == kPositionCount) {
        out.append(kFootnoteLine);
        AppendReplacingUnderscores(out, corpus.FootnoteOf(position), kFootnoteLine);
        out.append(kFootnoteLine);
    }
}

void AppendTextBlock(std::string& out, const ExportSources& sources, int position, int sura,
                     bool heading) {
    const auto& corpus = sources.corpus;
    const auto& t = sources.texts;
    if (heading) {
        out.append(kCrLf).append(kTextStars, '*').append(kCrLf).append(kCrLf).append(kCrLf);
        out.append(TitleLine(corpus, sura)).append(kCrLf);
        out.append(t[86]);
        AppendNumber(out, kSuras.VerseCount[sura]);
        out.append(kCrLf).append(t[87]);
        AppendNumber(out, kSuras.RevelationOrder[sura]);
        out.append(kCrLf).append(kCrLf);
    }
    if (corpus.HasSubtitle(position)) {
        out.append("     ");
        AppendReplacingUnderscores(out, corpus.SubtitleOf(position), "\r\n     ");
        out.append(kCrLf).append(kCrLf);
    }
    AppendReference(out, position, sura);
    out.append(sources.inlineReference == 1 ? std::string_view("  ") : kCrLf);
    out.append(corpus.verseText[static_cast<std::size_t>(position)]).append(kCrLf);
    if (corpus.HasFootnote(position)) {
        out.append(kCrLf).append("   ");
        AppendReplacingUnderscores(out, corpus.FootnoteOf(position), kCrLf);
        out.append(kCrLf);
    }
}

} // namespace lumra
