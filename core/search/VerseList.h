#pragma once
// The verse list format shared by the search hit list and the topic list, and the document
// that frames such a list.

#include <string>
#include <string_view>

#include "corpus/Corpus.h"
#include "state/SearchState.h"

namespace lumra {

struct VerseListOptions {
    bool subtitle = false; // the subtitle block before the reference
    bool footnote = false; // the footnote block after the verse
    bool sameLine = false; // two spaces instead of a paragraph after the reference
    // When set, the terms of this search are written in capitals in the verse text.
    const SearchState* capitalTerms = nullptr;
    int compareMode = 1;
    // The paragraph mark of the entry; a plain-text list passes a line break.
    std::string_view lineBreak = "\\par ";
};

// Appends the entry of one verse position: [subtitle block] "[s:v]" separator verse text
// "\par \par " [footnote block].
void AppendVerseListEntry(std::string& out, const Corpus& corpus, int position,
                          const VerseListOptions& options);

// The list document around the entries, with the reading font size in place of "\fs20".
std::string VerseListDocument(std::string_view entries, int viewFontSize);

// Every occurrence of every term (found under the compare mode, inside longer words too)
// replaced by the term in capitals, term by term in slot order.
std::string CapitaliseTerms(std::string_view text, const SearchState& state, int compareMode);

// Windows-1252 upper case; letters without a capital in the code page stay.
unsigned char UpperCaseCp1252(unsigned char c);

} // namespace lumra
