#pragma once
// The numbered interface texts of the current language.

#include <array>
#include <string>
#include <string_view>

namespace lumra {

inline constexpr int kInterfaceTextCount = 301; // entries 0..300
inline constexpr std::string_view kWebAddress = "lumra.example.org";

class InterfaceTexts {
public:
    // Entry n, or an empty text for a number outside the table.
    const std::string& operator[](int n) const;
    void Set(int n, std::string text);

private:
    std::array<std::string, kInterfaceTextCount> entries_{};
};

// Reads "<lang>ift.txt" into the table. Later lines replace earlier ones; "_" stands for a
// line break; a number above 300 (or below 0) is ignored. On a missing or empty file reading
// stops silently with the entries read so far, and the web address is not set. Entries that
// the file does not set keep their previous text. Returns whether the whole file was read.
bool LoadInterfaceTexts(InterfaceTexts& texts, const std::string& path);

// Joins interface texts without separators: Join(t, {1, 45, 100}).
std::string JoinTexts(const InterfaceTexts& texts, std::initializer_list<int> numbers);

} // namespace lumra
