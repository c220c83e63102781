#pragma once
// A reader state on the synthetic corpus with default settings, and a search host that
// records what a search asked of the windows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MemorySettingsStore.h"
#include "SyntheticDataSet.h"
#include "corpus/CorpusLoader.h"
#include "search/RunSearch.h"
#include "settings/Settings.h"
#include "state/ReaderState.h"

namespace lumra::test {

class SearchFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SyntheticDataSet::Write(folder.Path());
        for (int n = 1; n <= 145; ++n) {
            state.texts.Set(n, SyntheticDataSet::InterfaceText("en", n));
        }
        auto result = LoadCorpus(folder.Path(), "en", state.texts);
        ASSERT_TRUE(result.ok()) << result.error.file;
        state.corpus = std::move(*result.corpus);
        const MemorySettingsStore empty;
        state.settings = LoadSettings(empty);
        state.settings.language = 1;
    }

    void SetVerse(int p, std::string_view text) {
        state.corpus.verseText.Set(static_cast<std::size_t>(p), text);
    }
    std::string_view Verse(int p) const {
        return state.corpus.verseText[static_cast<std::size_t>(p)];
    }

    // The positions whose verse-text flag is set.
    std::vector<int> TextHits() const {
        std::vector<int> hits;
        for (int p = 1; p <= kPositionCount; ++p) {
            if (state.search.hitFlags[static_cast<std::size_t>(p)].textHit == 1) {
                hits.push_back(p);
            }
        }
        return hits;
    }

    TempFolder folder;
    ReaderState state;
};

class RecordingHost final : public SearchHost {
public:
    void ShowBusyPointer() override { calls.push_back("busy"); }
    void ShowDefaultPointer() override { calls.push_back("arrow"); }
    void RefillQueryBox(const std::string& text, const std::vector<std::string>& list) override {
        calls.push_back("refill:" + text);
        items = list;
    }
    void RenderPosition(int position) override {
        calls.push_back("render:" + std::to_string(position));
    }
    void ShowVerseList(const std::string& c, const std::string& document) override {
        calls.push_back("list");
        caption = c;
        lists.push_back(document);
    }

    std::vector<std::string> calls;
    std::vector<std::string> items;
    std::string caption;
    std::vector<std::string> lists;
};

// The references "[s:v]" of a list document, in order.
inline std::vector<std::string> References(const std::string& document) {
    auto digits = [&](std::size_t at) {
        std::size_t end = at;
        while (end < document.size() && document[end] >= '0' && document[end] <= '9') {
            ++end;
        }
        return end;
    };
    std::vector<std::string> out;
    for (std::size_t open = document.find('['); open != std::string::npos;
         open = document.find('[', open + 1)) {
        const std::size_t colon = digits(open + 1);
        if (colon == open + 1 || colon >= document.size() || document[colon] != ':') {
            continue;
        }
        const std::size_t close = digits(colon + 1);
        if (close > colon + 1 && close < document.size() && document[close] == ']') {
            out.push_back(document.substr(open, close - open + 1));
        }
    }
    return out;
}

} // namespace lumra::test
