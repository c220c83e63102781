#pragma once
// What the export dialog holds when Export is pressed, and the verdict of its checks.

#include <cstdint>
#include <string>

namespace lumra {

struct ExportRequest {
    // The four range boxes as typed (read leniently: the leading number counts, empty is 0).
    std::string fromSura;
    std::string fromVerse;
    std::string toSura;
    std::string toVerse;
    std::string fileName; // Windows-1252, as typed
    std::string folder;   // the folder list's path, in the file system's own encoding
    bool richText = true;
};

// The dialog box that receives the focus after a failed check.
enum class ExportBox { None, FromSura, FromVerse, ToSura, ToVerse, FileName };

struct ExportCheck {
    int failed = 0;      // 0: every check passed, else the number of the first that failed
    std::string message; // the error to show
    ExportBox focus = ExportBox::None;
    bool asked = false; // the check has already spoken to the reader (the replace question)
};

struct ExportRange {
    std::int16_t start = 0;
    std::int16_t end = 0;
};

} // namespace lumra
