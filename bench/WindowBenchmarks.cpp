#include "WindowBenchmarks.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include "BenchStartup.h"
#include "search/HitList.h"
#include "search/QueryParser.h"
#include "search/SearchCorpus.h"
#include "toolkit/RichTextBox.h"
#include "windows/MainWindow.h"

namespace lumra::bench {

namespace {

// The longest verse text among the positions with a footnote.
int LongVerseWithFootnote(const Corpus& corpus) {
    int best = 1;
    for (int p = 1; p <= kPositionCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (corpus.HasFootnote(p) &&
            corpus.verseText[i].size() > corpus.verseText[static_cast<std::size_t>(best)].size()) {
            best = p;
        }
    }
    return best;
}

// Searches the verse texts of the reader for a term, as the search dialog would.
void SearchFor(ReaderState& state, const std::string& term) {
    Settings options = state.settings;
    options.searchSubtitles = 1;
    options.searchVerseText = 1;
    options.searchFootnotes = 1;
    options.compareMode = 1;
    options.wholeWords = 1;
    ClearSearchState(state.search);
    if (ParseQuery(term, state.search)) {
        SearchCorpus(state.corpus, options, state.search);
        state.search.anyHit = 1;
    }
}

} // namespace

void RegisterWindowBenchmarks(StartedReader& reader) {
    Application& app = reader.App();
    benchmark::RegisterBenchmark("render-position",
                                 [&app](benchmark::State& st) {
                                     MainWindow& window = app.Main();
                                     window.show();
                                     QApplication::processEvents();
                                     auto* pane =
                                         window.findChild<RichTextBox*>(QStringLiteral("RTB1"));
                                     const int position = LongVerseWithFootnote(app.State().corpus);
                                     SearchFor(app.State(), "allah");
                                     for (auto _ : st) {
                                         window.RenderPosition(position);
                                         if (pane != nullptr) {
                                             pane->viewport()->repaint();
                                         }
                                     }
                                     st.counters["position"] = position;
                                 })
        ->Repetitions(9)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(0.2);

    benchmark::RegisterBenchmark("hit-list-200",
                                 [&reader, &app](benchmark::State& st) {
                                     SearchFor(app.State(), "allah");
                                     int entries = 0;
                                     for (auto _ : st) {
                                         const HitListDocument list = BuildHitList(app.State());
                                         entries = list.entries;
                                         reader.CloseModals(true);
                                         app.ShowVerseList(list.caption, list.document);
                                         reader.CloseModals(false);
                                     }
                                     st.counters["entries"] = entries;
                                 })
        ->Repetitions(9)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(0.2);
}

} // namespace lumra::bench
