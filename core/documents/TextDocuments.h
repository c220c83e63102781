#pragma once
// The documents and clipboard texts of the help, footnote, appendix and notice windows.

#include <string>
#include <string_view>

namespace lumra {

struct Corpus;
struct Language;

// Every font-size token "\fs20" becomes "\fs" and the reading font size (half-points).
std::string WithViewFontSize(std::string_view rtf, int viewFontSize);

// A plain text as a left-aligned document in the text colour. Its line breaks (CR LF, or CR or
// LF alone) become paragraphs, and backslashes and braces are shown as characters, so the text
// reads as it was written.
std::string FramePlainText(std::string_view text);

// Appendix text `number` (1..41) as the windows show it: framed when the language keeps its
// appendices as plain text, unchanged otherwise. Empty for a number outside the table.
std::string AppendixDocument(const Corpus& corpus, const Language& language, int number);

// The footnote window's document for the footnote body of the last rendering.
std::string FootnoteDocument(std::string_view footnoteRtf, int viewFontSize);

// What copying a footnote puts on the clipboard: the footnote of the position, "_" as line
// breaks, followed by one line break. A position without a footnote gives the line break alone.
std::string FootnoteClipText(const Corpus& corpus, int position);

} // namespace lumra
