#pragma once
// The two data-set languages and the few words the builder writes itself (UTF-8 here, encoded
// like every other text).

#include <array>
#include <string_view>

namespace lumra::dataset {

struct Wording {
    std::string_view part;           // subtitle at the start of a part: part + number
    std::string_view sura9Note;      // heads the footnote of 9:127
    std::string_view prostration;    // footnote of a prostration verse
    std::string_view appendixTitle;  // appendix title: appendixTitle + "1–3"
    std::string_view sura;           // heading of a sura in an appendix: sura + " 2: " + name
    std::string_view verseCount;     // "Verses: 286"
    std::string_view revelation;     // place in the order of revelation
    std::string_view initialLetters; // whether the sura opens with initial letters
    std::string_view yes;
    std::string_view no;
    std::string_view letter;
    std::string_view letters;
    std::string_view firstVerse; // label of verse 1's text
};

struct Language {
    std::string_view code;              // prefix of every file name of the language
    bool plainAppendices;               // appendices are plain text (else RTF documents)
    std::string_view appendixExtension; // of the hand-written appendix sources
    Wording words;
};

inline constexpr Language kEnglish{
    "en",
    true,
    "txt",
    {
        "Part ",
        "Many editions count 129 verses in this sura, where this one counts 127. "
        "Their verses 128 and 129 read:",
        "This is a verse of prostration (sajdah).",
        "Suras ",
        "Sura",
        "Verses",
        "Place in the order of revelation",
        "Opens with initial letters",
        "yes",
        "no",
        "letter",
        "letters",
        "Verse 1",
    },
};

inline constexpr Language kSwedish{
    "sv",
    false,
    "rtf",
    {
        "Del ",
        "Många utgåvor räknar 129 verser i denna sura, där denna räknar 127. "
        "Deras verser 128 och 129 lyder:",
        "Detta är en sajdavers: vid den faller man ned i tillbedjan.",
        "Surorna ",
        "Sura",
        "Antal verser",
        "Plats i uppenbarelseordningen",
        "Inleds med begynnelsebokstäver",
        "ja",
        "nej",
        "bokstav",
        "bokstäver",
        "Vers 1",
    },
};

inline constexpr std::array<const Language*, 2> kLanguages = {&kEnglish, &kSwedish};

} // namespace lumra::dataset
