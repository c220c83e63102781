#pragma once
// What the command line prints: the data's Windows-1252 with CR LF as UTF-8 with the chosen
// line ends, and messages on one line.

#include <string>
#include <string_view>

namespace lumra::cli {

// Text with CR LF line breaks as printed: UTF-8 (from Windows-1252 unless utf8 is set), LF
// unless crlf is set.
std::string PrintedText(std::string_view text, bool crlf, bool utf8 = false);

// A message as one line: its line breaks become blanks.
std::string OneLine(std::string_view cp1252);

} // namespace lumra::cli
