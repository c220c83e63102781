#include "corpus/CorpusLoader.h"

#include "corpus/DataFile.h"
#include "corpus/LenientNumber.h"

namespace lumra {

namespace {

constexpr std::size_t kFigureRecordBytes = 6;
constexpr std::size_t kLengthRecordBytes = 4;

struct Failure {
    CorpusLoadError error;
};

std::string ReadOrFail(const std::string& path, const std::string& name) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        throw Failure{{name, "missing, unreadable or too large"}};
    }
    return std::move(*bytes);
}

std::vector<std::string> LinesOrFail(std::string_view bytes, const std::string& name) {
    auto lines = SplitLines(bytes);
    if (lines.empty()) {
        throw Failure{{name, "empty"}};
    }
    return lines;
}

// The sura and verse in characters 1-6 of a subtitle or footnote line, as a verse position.
int PositionOfKey(std::string_view line, const std::string& name, std::size_t lineNumber) {
    const auto sura = LenientInteger(line.substr(0, std::min<std::size_t>(3, line.size())));
    const auto verse = line.size() > 3 ? LenientInteger(line.substr(3, 3)) : 0;
    if (sura < 1 || sura > kSuraCount || verse < FirstVerse(static_cast<int>(sura)) ||
        verse > LastVerse(static_cast<int>(sura))) {
        throw Failure{{name, "line " + std::to_string(lineNumber) + " names no verse of the text"}};
    }
    return PositionOf(static_cast<std::int16_t>(sura), static_cast<std::int16_t>(verse));
}

// The lines of a file that the table will hold, at most capacity of them.
std::vector<TextTable::Span> LineSpansOrFail(const std::string& bytes, const std::string& name,
                                             std::size_t capacity) {
    auto lines = LineSpans(bytes);
    if (lines.empty()) {
        throw Failure{{name, "empty"}};
    }
    if (lines.size() > capacity) {
        throw Failure{{name, "more than " + std::to_string(capacity) + " lines"}};
    }
    return lines;
}

// The figure records of every position, from bytes already checked to hold them all.
void ReadFigures(const std::string& bytes, std::vector<VerseFigures>& figures) {
    for (std::size_t r = 0; r < static_cast<std::size_t>(kPositionCount); ++r) {
        figures[r + 1].first = ReadInt16LE(bytes, r * kFigureRecordBytes);
        figures[r + 1].second = ReadInt32LE(bytes, r * kFigureRecordBytes + 2);
    }
}

// Subtitles and footnotes share one layout: "SSSVVV text".
void LoadNotes(std::string bytes, const std::string& name, int capacity, TextTable& table,
               std::vector<VerseLink>& links, std::int16_t VerseLink::*field) {
    auto lines = LineSpansOrFail(bytes, name, static_cast<std::size_t>(capacity));
    const std::string_view all(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto& line = lines[i];
        const auto position = PositionOfKey(all.substr(line.offset, line.length), name, i + 1);
        links[static_cast<std::size_t>(position)].*field = static_cast<std::int16_t>(i + 1);
        // The text begins after the key and its blank.
        line =
            line.length > 7 ? TextTable::Span{line.offset + 7, line.length - 7} : TextTable::Span{};
    }
    table.Adopt(std::move(bytes), lines);
}

void Parse(Corpus& c, CorpusFiles& files, const std::string& code, const InterfaceTexts& texts) {
    const std::string kvt = code + "kvt.txt";
    auto verses = std::move(files.verses);
    const auto verseLines = LineSpansOrFail(verses, kvt, static_cast<std::size_t>(kPositionCount));
    c.verseText.Adopt(std::move(verses), verseLines);

    if (files.figures.size() < kFigureRecordBytes * kPositionCount) {
        throw Failure{{"Ocf", "shorter than " + std::to_string(kPositionCount) + " records"}};
    }

    LoadNotes(std::move(files.subtitles), code + "nst.txt", kMaxSubtitles, c.subtitles, c.links,
              &VerseLink::subtitleLine);
    LoadNotes(std::move(files.footnotes), code + "nfn.txt", kMaxFootnotes, c.footnotes, c.links,
              &VerseLink::footnoteLine);

    // The sura chooser needs exactly one name per sura, or choosing a sura would miss.
    const std::string ksn = code + "ksn.txt";
    const auto names = LinesOrFail(files.suraNames, ksn);
    if (names.size() != static_cast<std::size_t>(kSuraCount)) {
        throw Failure{{ksn, "not " + std::to_string(kSuraCount) + " lines"}};
    }
    c.suraItems.clear();
    for (std::size_t n = 0; n < names.size(); ++n) {
        c.suraItems.push_back(texts[97] + std::to_string(n + 1) + ":  " + names[n]);
    }

    // The last byte of the help file is not part of the document.
    const std::string hlp = code + "hlp.rtf";
    auto help = std::move(files.help);
    if (help.empty()) {
        throw Failure{{hlp, "empty"}};
    }
    help.pop_back();
    c.helpText = std::move(help);

    const std::string len = code + "len";
    const std::string& lengths = files.lengths;
    if (lengths.size() < kLengthRecordBytes * kAppendixCount) {
        throw Failure{{len, "shorter than " + std::to_string(kAppendixCount) + " records"}};
    }
    const std::string aapx = code + "aapx";
    auto appendices = std::move(files.appendices);
    std::vector<TextTable::Span> parts;
    std::size_t offset = 0;
    for (std::size_t r = 0; r < static_cast<std::size_t>(kAppendixCount); ++r) {
        const auto length = ReadInt32LE(lengths, r * kLengthRecordBytes);
        if (length < 0 || static_cast<std::size_t>(length) > appendices.size() - offset) {
            throw Failure{{aapx, "shorter than " + len + " says"}};
        }
        parts.push_back({static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(length)});
        offset += static_cast<std::size_t>(length);
    }
    c.appendices.Adopt(std::move(appendices), parts);

    const std::string apt = code + "apt.txt";
    const auto titles = LinesOrFail(files.appendixTitles, apt);
    if (titles.size() < static_cast<std::size_t>(kAppendixCount)) {
        throw Failure{{apt, "fewer than " + std::to_string(kAppendixCount) + " lines"}};
    }
    c.appendixItems.clear();
    for (std::size_t k = 1; k <= static_cast<std::size_t>(kAppendixCount); ++k) {
        const auto& title = titles[k - 1];
        c.appendixItems.push_back(k <= 3 ? title
                                         : texts[98] + std::to_string(k - 3) + ": " + title);
    }

    // The records are decoded once no file can refuse the data set any more: a refused set
    // costs no pass over every position.
    ReadFigures(files.figures, c.figures);
}

} // namespace

CorpusLoadResult ParseCorpus(CorpusFiles files, const std::string& languageCode,
                             const InterfaceTexts& texts) {
    CorpusLoadResult result;
    try {
        Corpus corpus;
        Parse(corpus, files, languageCode, texts);
        result.corpus = std::move(corpus);
    } catch (const Failure& f) {
        result.error = f.error;
    } catch (const std::exception& e) {
        result.error = {"", e.what()};
    }
    return result;
}

CorpusLoadResult LoadCorpus(const std::string& programFolder, const std::string& languageCode,
                            const InterfaceTexts& texts) {
    const std::string prefix = programFolder + languageCode;
    const auto read = [&](const std::string& name) {
        return ReadOrFail(prefix + name, languageCode + name);
    };
    CorpusFiles files;
    try {
        files.verses = read("kvt.txt");
        files.figures = ReadOrFail(programFolder + "Ocf", "Ocf");
        files.subtitles = read("nst.txt");
        files.footnotes = read("nfn.txt");
        files.suraNames = read("ksn.txt");
        files.help = read("hlp.rtf");
        files.lengths = read("len");
        files.appendices = read("aapx");
        files.appendixTitles = read("apt.txt");
    } catch (const Failure& f) {
        CorpusLoadResult result;
        result.error = f.error;
        return result;
    }
    return ParseCorpus(std::move(files), languageCode, texts);
}

} // namespace lumra
