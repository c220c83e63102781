#include "WindowBenchmarks.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include "BenchStartup.h"
#include "search/HitList.h"
#include "search/QueryParser.h"
#include "search/SearchCorpus.h"
#include "toolkit/RichTextBox.h"
#include "windows/CompanionWindow.h"
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

// The position whose original is the longest, or 1 without the companion files.
int LongestOriginal(Application& app) {
    const CompanionText* text = app.Companion();
    int best = 1;
    for (int p = 1; text != nullptr && p < kPositionCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (text->original[i].size() > text->original[static_cast<std::size_t>(best)].size()) {
            best = p;
        }
    }
    return best;
}

// Steps between the longest verse of the original and the next position, as the Right key
// does, and paints the reading pane. The companion window open, `catchUp` times its panes
// following as well; otherwise they follow between the measured steps, as they would while
// the reader reads.
void ShowNextPositions(benchmark::State& st, Application& app, bool companionOpen, bool catchUp) {
    MainWindow& window = app.Main();
    window.show();
    if (companionOpen) {
        app.Open(WindowRole::Companion);
    } else if (auto* companion = app.Loaded<CompanionWindow>()) {
        companion->hide();
    }
    QApplication::processEvents();
    auto* reading = window.findChild<RichTextBox*>(QStringLiteral("RTB1"));
    QList<RichTextBox*> panes;
    if (auto* companion = app.Loaded<CompanionWindow>(); companion != nullptr && companionOpen) {
        panes = companion->findChildren<RichTextBox*>();
    }
    const auto followAndPaint = [&panes] {
        QApplication::processEvents();
        for (RichTextBox* pane : panes) {
            if (pane->isVisible()) {
                pane->viewport()->repaint();
            }
        }
    };
    const int first = LongestOriginal(app);
    int step = 0;
    for (auto _ : st) {
        window.RenderPosition(first + (step++ % 2));
        if (reading != nullptr) {
            reading->viewport()->repaint();
        }
        if (catchUp) {
            followAndPaint();
        } else {
            st.PauseTiming();
            followAndPaint();
            st.ResumeTiming();
        }
    }
    if (auto* companion = app.Loaded<CompanionWindow>()) {
        companion->hide();
    }
    st.counters["position"] = first;
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

    const struct {
        const char* name;
        bool open;
        bool catchUp;
    } rows[] = {{"next-position/companion-closed", false, false},
                {"next-position/companion-open", true, false},
                {"next-position/companion-caught-up", true, true}};
    for (const auto& row : rows) {
        benchmark::RegisterBenchmark(row.name,
                                     [&app, row](benchmark::State& st) {
                                         ShowNextPositions(st, app, row.open, row.catchUp);
                                     })
            ->Repetitions(9)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->MinTime(0.2);
    }
}

} // namespace lumra::bench
