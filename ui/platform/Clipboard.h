#pragma once

#include <string>

namespace lumra {

// The system clipboard of the running QGuiApplication. Texts are Windows-1252 bytes and are
// put on it as given (line breaks stay CR LF).

void ClearClipboard();

// Plain text only.
void SetClipboardText(const std::string& cp1252);

// The RTF bytes as "text/rtf" (and "application/rtf"), with an HTML and a plain-text version
// of the same document for programs that read no RTF.
void SetClipboardRtf(const std::string& rtf);

// Text that Windows-1252 cannot hold (the original): the plain text as UTF-8 and an HTML
// version of it, whose markup keeps each part's language and direction for a word processor.
void SetClipboardUnicode(const std::string& utf8Text, const std::string& utf8Html);

} // namespace lumra
