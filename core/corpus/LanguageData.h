#pragma once
// What every run reads before it can show a text: the language to use and, for it, the
// interface texts and the corpus. The reader's start-up and the command line share it.

#include <cstdint>
#include <string>
#include <string_view>

#include "corpus/CorpusLoader.h"
#include "corpus/InterfaceTexts.h"

namespace lumra {

// The stored language when it names one, else the one the system's language identifier gives.
std::uint8_t ChooseLanguage(std::uint8_t stored, int systemLanguageId);

// "<folder><code>ift.txt"
std::string InterfaceTextsPath(const std::string& programFolder, std::string_view code);

struct LanguageData {
    InterfaceTexts texts;
    CorpusLoadResult corpus;
};

// The interface texts, then the corpus of the language (the corpus needs the texts for the
// chooser items). programFolder ends with a separator.
LanguageData LoadLanguageData(const std::string& programFolder, std::string_view code);

} // namespace lumra
