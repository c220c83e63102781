// The whole-table sweep of the search against the plainest reading of the rules: every text
// on its own, every term on its own, in query order.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "corpus/Corpus.h"
#include "corpus/DataFile.h"
#include "search/SearchCorpus.h"
#include "search/TermMatch.h"

namespace lumra {
namespace {

bool HitsOneByOne(std::string_view text, const SearchState& state, const Settings& options) {
    if (text.empty()) {
        return false;
    }
    bool required = false;
    bool plainFound = false;
    for (int k = 1; k <= state.termCount; ++k) {
        required = required || state.terms[static_cast<std::size_t>(k)].kind == TermKind::Required;
    }
    for (int k = 1; k <= state.termCount; ++k) {
        const SearchTerm& term = state.terms[static_cast<std::size_t>(k)];
        const bool occurs =
            options.wholeWords == 1
                ? IsWholeWordMatch(text, term.text, options.compareMode) == 1
                : ForCompare(text, options.compareMode)
                          .find(ForCompare(term.text, options.compareMode)) != std::string::npos;
        if (term.kind == TermKind::Excluded && occurs) {
            return false;
        }
        if (term.kind == TermKind::Required && !occurs) {
            return false;
        }
        plainFound = plainFound || (term.kind == TermKind::Plain && occurs);
    }
    return required || plainFound;
}

// Texts from a few letters, so that terms occur often, next to each other, across the
// line ends and across the keys of the note lines.
std::string RandomText(std::mt19937& random, std::size_t longest) {
    static constexpr char kLetters[] = {'a', 'A', 'b', ' ', '-', '\xE5', '\xC5', '1'};
    std::string text(random() % (longest + 1), ' ');
    for (char& c : text) {
        c = kLetters[random() % sizeof kLetters];
    }
    return text;
}

Corpus RandomCorpus(std::mt19937& random) {
    Corpus corpus;
    std::string verses;
    for (int p = 1; p <= kPositionCount; ++p) {
        verses += RandomText(random, 12) + "\r\n";
    }
    corpus.verseText.Adopt(verses, LineSpans(verses));
    // Note lines keep their "SSSVVV " keys in the buffer, as loaded ones do.
    for (auto [table, field] : {std::pair{&corpus.subtitles, &VerseLink::subtitleLine},
                                std::pair{&corpus.footnotes, &VerseLink::footnoteLine}}) {
        std::string lines;
        std::vector<TextTable::Span> spans;
        for (int line = 1; line < 120; ++line) {
            const std::string text = RandomText(random, 8);
            spans.push_back({static_cast<std::uint32_t>(lines.size() + 7),
                             static_cast<std::uint32_t>(text.size())});
            lines += "001a1b " + text + "\r\n";
            corpus.links[1 + random() % kPositionCount].*field = static_cast<std::int16_t>(line);
        }
        table->Adopt(lines, spans);
    }
    return corpus;
}

TEST(SearchCorpusSweep, FindsWhatEachTextSearchedOnItsOwnFinds) {
    std::mt19937 random(9001);
    for (int round = 0; round < 12; ++round) {
        Corpus corpus = RandomCorpus(random);
        if (round % 3 == 1) {
            // Texts set one by one lie out of order in the buffer.
            for (int k = 0; k < 50; ++k) {
                corpus.verseText.Set(1 + random() % kPositionCount, RandomText(random, 12));
            }
        } else if (round % 3 == 2) {
            // Texts sharing bytes are searched one by one.
            corpus.footnotes.Adopt("aAb ab-Ab\xE5", {{0, 6}, {3, 6}, {1, 9}});
        }
        for (int query = 0; query < 25; ++query) {
            Settings options;
            options.searchSubtitles = 1;
            options.searchVerseText = 1;
            options.searchFootnotes = 1;
            options.compareMode = static_cast<std::uint8_t>(random() % 2);
            options.wholeWords = static_cast<std::uint8_t>(random() % 2);
            SearchState state;
            state.termCount = 1 + static_cast<int>(random() % (query < 20 ? 4 : 40));
            for (int k = 1; k <= state.termCount; ++k) {
                std::string term = RandomText(random, 3);
                if (term.empty()) {
                    term = "a";
                }
                state.terms[static_cast<std::size_t>(k)] = {term,
                                                            static_cast<TermKind>(random() % 3)};
            }
            SearchCorpus(corpus, options, state);
            for (int p = 1; p <= kPositionCount; ++p) {
                const HitFlag& flag = state.hitFlags[static_cast<std::size_t>(p)];
                const std::string where = "round " + std::to_string(round) + ", query " +
                                          std::to_string(query) + ", position " + std::to_string(p);
                ASSERT_EQ(
                    flag.textHit == 1,
                    HitsOneByOne(FieldText(corpus, SearchField::VerseText, p), state, options))
                    << where;
                ASSERT_EQ(flag.subtitleHit == 1,
                          HitsOneByOne(FieldText(corpus, SearchField::Subtitle, p), state, options))
                    << where;
                ASSERT_EQ(flag.footnoteHit == 1,
                          HitsOneByOne(FieldText(corpus, SearchField::Footnote, p), state, options))
                    << where;
            }
        }
    }
}

} // namespace
} // namespace lumra
