#include "corpus/LanguageData.h"

#include "corpus/LanguageTable.h"

namespace lumra {

std::uint8_t ChooseLanguage(std::uint8_t stored, int systemLanguageId) {
    return IsLanguageIndex(stored) ? stored : LanguageFromSystemId(systemLanguageId);
}

std::string InterfaceTextsPath(const std::string& programFolder, std::string_view code) {
    return programFolder + std::string(code) + "ift.txt";
}

LanguageData LoadLanguageData(const std::string& programFolder, std::string_view code) {
    LanguageData data;
    LoadInterfaceTexts(data.texts, InterfaceTextsPath(programFolder, code));
    data.corpus = LoadCorpus(programFolder, std::string(code), data.texts);
    return data;
}

} // namespace lumra
