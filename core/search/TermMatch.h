#pragma once
// Finding a search term in a text: as a plain substring or as a whole word, exactly or
// without regard to case.

#include <string>
#include <string_view>

namespace lumra {

// The letters that join a word: A-Z, a-z and the Swedish Ä Å Ö ä å ö. Everything else,
// digits and other accented letters included, is a word boundary.
bool IsWordLetter(unsigned char c);

// 1 when the term occurs in the text with no word letter right before or right after it.
// compareMode 1 ignores case, 0 compares exactly. After an occurrence that fails, the search
// goes on one character beyond the character that follows it.
int IsWholeWordMatch(std::string_view text, std::string_view term, int compareMode);

// The same test on a text and a term already folded for the compare mode; original is the
// text before folding (same length), whose characters decide the word boundaries.
bool WholeWordIn(std::string_view folded, std::string_view original, std::string_view term);

// The text or term as the compare mode compares it: case-folded for 1, unchanged for 0.
std::string ForCompare(std::string_view text, int compareMode);

} // namespace lumra
