#pragma once
// Fragments of the documents the windows build, written out as the panes receive them.

#include <string>

namespace lumra::test {

inline const std::string kColourTable =
    "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue0;\\red255\\green255\\blue255;"
    "\\red0\\green255\\blue255;\\red255\\green192\\blue255;}";
inline const std::string kPageHeader = "{\\rtf\\fs20\\b\\qc" + kColourTable + "\\cf4 ";
inline const std::string kListHeader = "{\\rtf\\ql" + kColourTable + "\\cf2 ";
inline const std::string kBodyParagraph = "\\par\\plain\\fs20\\cf2\\ql ";
inline const std::string kSecondSubtitleLine = "\\par\\plain\\fs20\\b\\cf4\\qc ";
inline const std::string kReferencePrefix = "\\pard\\plain\\fs20\\cf3\\b ";
inline const std::string kReferenceSuffix = "\\pard\\plain\\cf2\\fs20 ";
inline const std::string kHitStyle = "\\pard\\plain\\fs20\\cf1\\b ";
inline const std::string kDocumentEnd = " }";

// A verse page with a subtitle, as the reading pane gets it.
inline std::string VersePage(const std::string& subtitle, const std::string& reference,
                             const std::string& verse) {
    return kPageHeader + subtitle + kBodyParagraph + kBodyParagraph + kReferencePrefix + reference +
           kReferenceSuffix + kBodyParagraph + verse + kBodyParagraph + kBodyParagraph +
           kDocumentEnd;
}

} // namespace lumra::test
