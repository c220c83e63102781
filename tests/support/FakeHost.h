#pragma once
// A host for one window built alone: the state holds the texts and the corpus of the
// synthetic data set, the prompt is scripted, and every request to the application is
// recorded instead of carried out.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ScriptedPrompt.h"
#include "SyntheticDataSet.h"
#include "corpus/CorpusLoader.h"
#include "corpus/InterfaceTexts.h"
#include "windows/WindowHost.h"

namespace lumra::test {

class FakeHost final : public WindowHost {
public:
    // language: 1 English, 2 Swedish.
    explicit FakeHost(int language = 1) {
        SyntheticDataSet::Write(folder.Path());
        state.programFolder = folder.Path();
        state.topicFolder = folder.Path();
        state.settings.language = static_cast<std::uint8_t>(language);
        LoadInterfaceTexts(state.texts, state.programFolder + state.LanguageCode() + "ift.txt");
        auto loaded = LoadCorpus(state.programFolder, state.LanguageCode(), state.texts);
        if (loaded.ok()) {
            state.corpus = std::move(*loaded.corpus);
        }
        state.currentQuery = state.texts[68];
    }

    ReaderState& State() override { return state; }
    Prompt& Messages() override { return prompt; }
    void ShowPosition(int position) override { shownPositions.push_back(position); }
    void RenderingFollows(const std::string& caption) override { footnoteCaption = caption; }
    void RefreshMarkButtons() override { ++markButtonRefreshes; }
    void Open(WindowRole role) override { opened.push_back(role); }
    void ShowVerseList(const std::string& caption, const std::string& rtf) override {
        verseLists.emplace_back(caption, rtf);
    }
    std::string VerseListPlainText(const std::string& rtf) override { return rtf; }
    const CompanionText* Companion() override {
        ++companionRequests;
        return companion ? &*companion : nullptr;
    }
    void ApplyLanguage() override { ++languageChanges; }
    void ApplyWindowColours() override { ++colourChanges; }
    bool MainWindowVisible() const override { return false; }
    void LayOutLoadedWindows() override {}
    void LayOutTextWindows() override {}
    bool Ended() const override { return false; }
    bool ConfirmClose() override { return false; }

    TempFolder folder;
    ReaderState state;
    ScriptedPrompt prompt;
    std::vector<int> shownPositions;
    std::string footnoteCaption;
    int markButtonRefreshes = 0;
    std::vector<WindowRole> opened;
    std::vector<std::pair<std::string, std::string>> verseLists;
    int languageChanges = 0;
    int colourChanges = 0;
    std::optional<CompanionText> companion; // none: the files are missing or altered
    int companionRequests = 0;
};

} // namespace lumra::test
