#pragma once
// How texts become the bytes of the data files. Source texts are single lines; hand-written
// documents keep their lines (CR LF). All input is UTF-8; invalid UTF-8 throws DataError.

#include "dataset/Cp1252.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace lumra::dataset {

class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TextUse {
    Line,   // a verse text, a sura name, a line of a plain appendix
    Markup, // a piece of a subtitle or footnote, where "_" breaks the line
};

// One line of a data file. The reader puts verse texts, subtitles and footnotes verbatim into
// RTF, so "\", "{" and "}" become "/", "(" and ")"; control characters become blanks.
std::string EncodeLine(std::string_view utf8, TextUse use, TextLog& log, std::string_view place);

// Text for the body of an RTF document: "\", "{", "}" escaped, every other non-ASCII character
// as \'hh, or as \uN when Windows-1252 has no code for it; control characters become blanks.
std::string EncodeRtfText(std::string_view utf8, TextLog& log, std::string_view place);

// A hand-written plain document (UTF-8, any line ends) as Windows-1252 with CR LF line ends.
// Tabs are kept; other control characters become blanks. A leading byte-order mark is dropped.
std::string EncodePlainDocument(std::string_view utf8, TextLog& log, std::string_view place);

// A hand-written RTF document (UTF-8) as 7-bit RTF with CR LF line ends: its control words are
// kept as written, non-ASCII characters become \'hh or \uN.
std::string EncodeRtfDocument(std::string_view utf8, TextLog& log, std::string_view place);

// Removes trailing CR, LF, blanks and tabs.
std::string_view TrimTrailingSpace(std::string_view text);

} // namespace lumra::dataset
