#include "SyntheticSource.h"

#include "SuraTable.h"

namespace lumra::dataset::testing {

SourceText MakeSource(const std::string& tag) {
    SourceText source;
    for (int s = 1; s <= kSuraCount; ++s) {
        SourceSura sura;
        sura.name = tag + " name " + std::to_string(s);
        sura.transliteration = "Al-" + std::to_string(s);
        const int count = kSuras.VerseCount[s] + (s == 9 ? 2 : 0);
        for (int v = 1; v <= count; ++v) {
            sura.verses.push_back(tag + " " + std::to_string(s) + ":" + std::to_string(v));
        }
        source.suras.push_back(std::move(sura));
    }
    return source;
}

HandWritten MakeHandWritten(const Language& lang) {
    HandWritten hw;
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        hw.appendices[static_cast<std::size_t>(i)] =
            lang.plainAppendices ? "Appendix " + n + "\nsecond line\n"
                                 : "{\\rtf1\\ansi Bilaga " + n + " \xc3\xa5\\par}\n";
    }
    hw.appendixTitles = "One\nTwo\nThree\n";
    hw.help = "{\\rtf1\\ansi Help\\par}";
    hw.interfaceTexts = "0071 Error\n0097 Sura ";
    return hw;
}

LanguageInput MakeInput(const Language& lang, const std::string& tag) {
    LanguageInput in;
    in.lang = &lang;
    in.source = MakeSource(tag);
    in.handWritten = MakeHandWritten(lang);
    return in;
}

std::vector<OutputFile> MakeDataSet() {
    TextLog log;
    std::vector<std::string> warnings;
    std::vector<OutputFile> files = BuildLanguageFiles(MakeInput(kEnglish, "en"), log, warnings);
    for (OutputFile& f : BuildLanguageFiles(MakeInput(kSwedish, "sv"), log, warnings)) {
        files.push_back(std::move(f));
    }
    files.push_back(BuildFiguresFile());
    return files;
}

} // namespace lumra::dataset::testing
