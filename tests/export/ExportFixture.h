#pragma once
// The synthetic corpus in memory, a folder to export into and a scripted prompt.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptedPrompt.h"
#include "SyntheticDataSet.h"
#include "corpus/CorpusLoader.h"
#include "export/ExportWriters.h"

namespace lumra::test {

class ExportFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SyntheticDataSet::Write(data.Path());
        for (int n = 1; n <= 145; ++n) {
            texts.Set(n, SyntheticDataSet::InterfaceText("en", n));
        }
        auto loaded = LoadCorpus(data.Path(), "en", texts);
        ASSERT_TRUE(loaded.ok()) << loaded.error.file << ": " << loaded.error.reason;
        corpus = std::move(*loaded.corpus);
    }

    ExportEnvironment Environment() {
        return ExportEnvironment{
            {corpus, texts, inlineReference}, prompt, [this](bool on) { busy.push_back(on); }};
    }

    ExportRequest Request(const std::string& fileName, bool richText = true) const {
        ExportRequest r;
        r.fromSura = "1";
        r.fromVerse = "1";
        r.toSura = "114";
        r.toVerse = "6";
        r.fileName = fileName;
        r.folder = out.Path();
        r.richText = richText;
        return r;
    }

    // Exports positions start..end as name into the output folder; the file's bytes.
    std::string Export(int start, int end, bool richText, const std::string& name = "x") {
        EXPECT_TRUE(ExportVerseRange(Request(name, richText), start, end, richText, Environment()));
        return ReadFile(out.Path() + name + (richText ? ".rtf" : ".txt"));
    }

    // Gives the position a subtitle or footnote of its own (a line of the tables kept free).
    void SetSubtitle(int position, const std::string& text) {
        corpus.subtitles.Set(kMaxSubtitles, text);
        corpus.links[static_cast<std::size_t>(position)].subtitleLine = kMaxSubtitles;
    }
    void SetFootnote(int position, const std::string& text, int line) {
        corpus.footnotes.Set(static_cast<std::size_t>(line), text);
        corpus.links[static_cast<std::size_t>(position)].footnoteLine =
            static_cast<std::int16_t>(line);
    }

    TempFolder data;
    TempFolder out;
    InterfaceTexts texts;
    Corpus corpus;
    std::uint8_t inlineReference = 1;
    ScriptedPrompt prompt;
    std::vector<bool> busy;
};

} // namespace lumra::test
