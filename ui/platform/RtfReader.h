#pragma once

#include <QString>

#include <string_view>

class QTextDocument;

namespace lumra {

// Replaces the content of `document` with the RTF document `rtf` (Windows-1252 bytes; raw bytes
// of 0x80 and above are Windows-1252 characters). Any input is accepted: malformed groups,
// stray backslashes, NUL bytes and unknown words are passed over and the text around them is
// still shown. Runs in time linear in the input.
void ReadRtf(std::string_view rtf, QTextDocument& document);

// The text as the document shows it: its paragraphs joined by CR LF, a line break inside a
// paragraph as CR LF too. A document that ends with a paragraph mark has an empty last
// paragraph, so its text ends with CR LF. Soft hyphens are left out; a non-breaking hyphen is
// a plain '-'.
QString ShownText(const QTextDocument& document);

} // namespace lumra
