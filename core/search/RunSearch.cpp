#include "search/RunSearch.h"

#include "search/HitList.h"
#include "search/QueryHistory.h"
#include "search/QueryParser.h"
#include "search/SearchCorpus.h"

namespace lumra {

SearchOutcome RunSearch(ReaderState& state, Prompt& prompt, SearchHost& host) {
    const auto& options = state.settings;
    host.ShowBusyPointer();
    // Every query enters the history, also one that then has no term.
    UpdateQueryHistory(state.settings.queryHistory, state.currentQuery);
    host.RefillQueryBox(state.currentQuery, HistoryItems(state.settings.queryHistory));
    ClearSearchState(state.search);
    if (!ParseQuery(state.currentQuery, state.search)) {
        prompt.Beep();
        prompt.Show(state.texts[92], state.texts[71], PromptIcon::Critical, PromptButtons::Ok);
        host.ShowDefaultPointer();
        return SearchOutcome::KeepDialogOpen;
    }
    SearchCorpus(state.corpus, options, state.search);
    CheckForHits(state.search, state.texts, prompt);
    host.ShowDefaultPointer();
    if (options.listAllHits != 1) {
        ShowFirstHit(state, prompt, host);
    } else if (state.search.anyHit == 1) {
        ShowHitList(state, prompt, host);
    }
    return options.listAllHits != 1 && state.search.anyHit == 1 ? SearchOutcome::CloseDialog
                                                                : SearchOutcome::KeepDialogOpen;
}

void ShowFirstHit(const ReaderState& state, Prompt& prompt, SearchHost& host) {
    if (state.search.anyHit != 1) {
        return;
    }
    if (const int p = FirstHitPosition(state.search, state.settings); p != 0) {
        host.RenderPosition(p);
    }
    prompt.Beep();
}

void ShowHitList(const ReaderState& state, Prompt& prompt, SearchHost& host) {
    host.ShowBusyPointer();
    if (CountTextHits(state.search) > kMaxListedHits &&
        prompt.Show(state.texts[66], state.texts[45], PromptIcon::None, PromptButtons::OkCancel) ==
            PromptAnswer::Cancel) {
        host.ShowDefaultPointer();
        return;
    }
    const HitListDocument list = BuildHitList(state);
    host.ShowDefaultPointer();
    host.ShowVerseList(list.caption, list.document);
}

} // namespace lumra
