#include "dataset/Appendices.h"

#include "SuraTable.h"
#include "dataset/TextRules.h"

namespace lumra::dataset {

namespace {

// The colours of the reader's pages: text in white (2), headings in light violet (4), on the
// window colour.
constexpr std::string_view kRtfStart =
    "{\\rtf1\\ansi\\ansicpg1252\\ql{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue0;"
    "\\red255\\green255\\blue255;\\red0\\green255\\blue255;\\red255\\green192\\blue255;}\\cf2 \r\n";
constexpr std::string_view kRtfEnd = "}";

struct SuraFacts {
    std::string heading;            // "Sura 2: The Cow (Al-Baqarah)", UTF-8
    std::vector<std::string> lines; // "Verses: 286" ..., UTF-8
    std::string firstVerseLabel;    // "Verse 1: ", UTF-8
    const std::string* firstVerse;  // the source's verse 1, UTF-8
};

SuraFacts FactsOf(const SourceText& source, const Wording& w, int s) {
    const SourceSura& sura = source.suras[static_cast<std::size_t>(s - 1)];
    SuraFacts f;
    f.heading = std::string(w.sura) + " " + std::to_string(s) + ": " + sura.name + " (" +
                sura.transliteration + ")";
    f.lines.push_back(std::string(w.verseCount) + ": " + std::to_string(kSuras.VerseCount[s]));
    f.lines.push_back(std::string(w.revelation) + ": " + std::to_string(kSuras.RevelationOrder[s]));
    const int letters = kSuras.InitialLetters[s];
    std::string initials = std::string(w.initialLetters) + ": ";
    if (letters == 0) {
        initials += w.no;
    } else {
        initials += std::string(w.yes) + " (" + std::to_string(letters) + " " +
                    std::string(letters == 1 ? w.letter : w.letters) + ")";
    }
    f.lines.push_back(std::move(initials));
    f.firstVerseLabel = std::string(w.firstVerse) + ": ";
    f.firstVerse = &sura.verses.at(0);
    return f;
}

std::string PlainText(const std::vector<SuraFacts>& suras, const Language& lang, TextLog& log,
                      int firstSura) {
    std::string out;
    for (std::size_t i = 0; i < suras.size(); ++i) {
        const SuraFacts& f = suras[i];
        const std::string place = std::string(lang.code) + " appendix on sura " +
                                  std::to_string(firstSura + static_cast<int>(i));
        if (i > 0) {
            out += "\r\n";
        }
        out += EncodeLine(f.heading, TextUse::Line, log, place) + "\r\n";
        for (const std::string& line : f.lines) {
            out += EncodeLine(line, TextUse::Line, log, place) + "\r\n";
        }
        out += EncodeLine(f.firstVerseLabel + *f.firstVerse, TextUse::Line, log, place) + "\r\n";
    }
    return std::string(TrimTrailingSpace(out));
}

std::string RtfText(const std::vector<SuraFacts>& suras, const Language& lang, TextLog& log,
                    int firstSura) {
    std::string out(kRtfStart);
    for (std::size_t i = 0; i < suras.size(); ++i) {
        const SuraFacts& f = suras[i];
        const std::string place = std::string(lang.code) + " appendix on sura " +
                                  std::to_string(firstSura + static_cast<int>(i));
        if (i > 0) {
            out += "\\par\r\n";
        }
        out += "{\\b\\cf4 " + EncodeRtfText(f.heading, log, place) + "}\\par\r\n";
        for (const std::string& line : f.lines) {
            out += EncodeRtfText(line, log, place) + "\\par\r\n";
        }
        out += EncodeRtfText(f.firstVerseLabel + *f.firstVerse, log, place) + "\\par\r\n";
    }
    out += kRtfEnd;
    return out;
}

} // namespace

std::vector<Appendix> GenerateAppendices(const SourceText& source, const Language& lang,
                                         TextLog& log) {
    std::vector<Appendix> appendices;
    const int count = kSuraCount / kSurasPerAppendix;
    for (int k = 1; k <= count; ++k) {
        const int first = kSurasPerAppendix * (k - 1) + 1;
        const int last = kSurasPerAppendix * k;
        std::vector<SuraFacts> suras;
        for (int s = first; s <= last; ++s) {
            suras.push_back(FactsOf(source, lang.words, s));
        }
        Appendix a;
        a.title = EncodeLine(std::string(lang.words.appendixTitle) + std::to_string(first) +
                                 "\u2013" + std::to_string(last),
                             TextUse::Line, log, lang.code);
        a.text = lang.plainAppendices ? PlainText(suras, lang, log, first)
                                      : RtfText(suras, lang, log, first);
        appendices.push_back(std::move(a));
    }
    return appendices;
}

} // namespace lumra::dataset
