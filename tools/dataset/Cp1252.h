#pragma once
// UTF-8 in, Windows-1252 out. Every character that has to be changed on the way is counted in a
// TextLog, so the builder can say exactly what the data files lost.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace lumra::dataset {

// Why a character was changed.
enum class Change {
    NotInCp1252, // no Windows-1252 code: written as an ASCII fallback
    Control,     // a control character inside a line: written as a blank
    RtfSpecial,  // "\", "{" or "}" in text the reader puts verbatim into RTF
    Markup,      // "_" in a subtitle or footnote piece, where it would mean a line break
    RtfUnicode,  // no Windows-1252 code, kept in RTF as \uN (nothing lost)
};

struct LoggedChange {
    Change change = Change::NotInCp1252;
    std::string replacement; // what was written, in Windows-1252
    long count = 0;
    std::string firstPlace; // where it was first seen, e.g. "sv 40:29"
};

class TextLog {
public:
    void Record(char32_t ch, Change change, std::string_view replacement, std::string_view place);
    // Keyed by character and kind of change.
    const std::map<std::pair<char32_t, Change>, LoggedChange>& Entries() const { return entries_; }
    long CountOf(char32_t ch) const;
    long Total() const;

private:
    std::map<std::pair<char32_t, Change>, LoggedChange> entries_;
};

// Strict UTF-8: overlong forms, surrogates and values past U+10FFFF are errors. On error the
// result is empty and errorOffset (when given) holds the byte offset of the bad sequence.
std::optional<std::u32string> DecodeUtf8(std::string_view utf8, std::size_t* errorOffset = nullptr);
std::string EncodeUtf8(std::u32string_view text);

// The Windows-1252 byte of a character, if it has one. The five unassigned bytes 81 8D 8F 90 9D
// and the C1 controls are treated as having none.
std::optional<std::uint8_t> Cp1252Byte(char32_t ch);
// The character of a Windows-1252 byte; U+FFFD for the five unassigned bytes.
char32_t Cp1252Char(std::uint8_t byte);

// ASCII stand-in for a character without a Windows-1252 code: base letters for Latin letters with
// other diacritics, blanks for spaces, nothing for zero-width characters and combining marks, "?"
// otherwise.
std::string_view AsciiFallback(char32_t ch);

// Encodes one character (which must not be a control character) as Windows-1252, falling back to
// AsciiFallback and logging it when there is no code.
void AppendCp1252(std::string& out, char32_t ch, TextLog& log, std::string_view place);

std::string Cp1252ToUtf8(std::string_view bytes);

} // namespace lumra::dataset
