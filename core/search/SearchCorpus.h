#pragma once
// Scanning the corpus for the parsed terms, and what the scan found.

#include "Prompt.h"
#include "corpus/Corpus.h"
#include "corpus/InterfaceTexts.h"
#include "settings/Settings.h"
#include "state/SearchState.h"

namespace lumra {

enum class SearchField { Subtitle, VerseText, Footnote };

// The text of a field of a position; empty when the position has none (or its link names
// no entry of the table).
std::string_view FieldText(const Corpus& corpus, SearchField field, int position);

// Sets the hit flags of every position for the fields the options switch on; the flags of
// the other fields stay as they are (0 after ClearSearchState). A field hits when no excluded
// term occurs in it and either every required term does or, without required terms, at least
// one plain term does.
void SearchCorpus(const Corpus& corpus, const Settings& options, SearchState& state);

// AnyHit from every flag of every position. Without a hit the state is cleared and the
// reader is told (interface text 65). Returns AnyHit.
bool CheckForHits(SearchState& state, const InterfaceTexts& texts, Prompt& prompt);

// The lowest position with a hit in a field the options search; 0 when there is none.
int FirstHitPosition(const SearchState& state, const Settings& options);

} // namespace lumra
