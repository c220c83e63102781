#pragma once
// The generated appendices 4 to 41: appendix k + 3 describes suras 3k - 2 to 3k, each with its
// name, verse count, place in the order of revelation, initial letters and first verse.

#include "dataset/Cp1252.h"
#include "dataset/Language.h"
#include "dataset/Sources.h"

#include <string>
#include <vector>

namespace lumra::dataset {

inline constexpr int kAppendixCount = 41;
inline constexpr int kWrittenAppendices = 3;
inline constexpr int kSurasPerAppendix = 3;

struct Appendix {
    std::string title; // one line of "apt.txt"
    std::string text;  // plain text with CR LF, or an RTF document, by language
};

// 38 appendices; plain text or RTF as the language's appendices are.
std::vector<Appendix> GenerateAppendices(const SourceText& source, const Language& lang,
                                         TextLog& log);

} // namespace lumra::dataset
