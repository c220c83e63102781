#pragma once
// A whole search from the dialog's query: history, parse, scan, then the first hit in the
// reading window or the hit list in the verse-list window.

#include <string>
#include <vector>

#include "Prompt.h"
#include "state/ReaderState.h"

namespace lumra {

// What a search needs from the windows.
class SearchHost {
public:
    virtual ~SearchHost() = default;
    // The busy pointer over the search dialog, and the normal one again.
    virtual void ShowBusyPointer() = 0;
    virtual void ShowDefaultPointer() = 0;
    // The query box: its text, and the history as its list.
    virtual void RefillQueryBox(const std::string& text, const std::vector<std::string>& items) = 0;
    // Shows a position in the reading window.
    virtual void RenderPosition(int position) = 0;
    // The verse-list window with this caption and document, modally.
    virtual void ShowVerseList(const std::string& caption, const std::string& document) = 0;
};

enum class SearchOutcome {
    CloseDialog,   // the first hit is on show
    KeepDialogOpen // for the next query, with the query selected
};

// Searches for state.currentQuery (not empty) with the options of the settings.
SearchOutcome RunSearch(ReaderState& state, Prompt& prompt, SearchHost& host);

// The lowest hit in a searched field in the reading window, then a beep.
void ShowFirstHit(const ReaderState& state, Prompt& prompt, SearchHost& host);

// The verse-text hits in the verse-list window; more than 200 are listed only after the
// reader agrees, and then only the first 200.
void ShowHitList(const ReaderState& state, Prompt& prompt, SearchHost& host);

} // namespace lumra
