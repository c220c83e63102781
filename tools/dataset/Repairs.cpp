#include "dataset/Repairs.h"

#include "dataset/Cp1252.h"
#include "dataset/TextRules.h"

namespace lumra::dataset {

namespace {

std::string VersePlace(std::string_view lang, int sura, int verse) {
    return std::string(lang) + " " + std::to_string(sura) + ":" + std::to_string(verse);
}

bool IsContinuationLike(char32_t c) {
    const auto byte = Cp1252Byte(c);
    return byte && *byte >= 0x80 && *byte <= 0xBF;
}

} // namespace

void RepairSource(SourceText& source, const Language& lang, std::span<const SourceRepair> repairs) {
    for (const SourceRepair& r : repairs) {
        if (r.language != lang.code) {
            continue;
        }
        const std::string place = VersePlace(lang.code, r.sura, r.verse);
        const auto s = static_cast<std::size_t>(r.sura - 1);
        const auto v = static_cast<std::size_t>(r.verse - 1);
        if (r.sura < 1 || s >= source.suras.size() || r.verse < 1 ||
            v >= source.suras[s].verses.size()) {
            throw DataError("repair of " + place + ": no such verse in the source");
        }
        std::string& text = source.suras[s].verses[v];
        const std::size_t at = text.find(r.found);
        if (at == std::string::npos || text.find(r.found, at + 1) != std::string::npos) {
            throw DataError("repair of " + place + ": \"" + std::string(r.found) +
                            "\" no longer occurs exactly once; look at the source again");
        }
        text.replace(at, r.found.size(), r.written);
    }
}

std::vector<std::string> DoubleEncodingSigns(std::string_view utf8, std::string_view place) {
    std::vector<std::string> signs;
    const auto text = DecodeUtf8(utf8);
    if (!text) {
        return signs; // invalid UTF-8 is refused where the text is encoded
    }
    for (std::size_t i = 0; i < text->size(); ++i) {
        const char32_t c = (*text)[i];
        std::u32string sign;
        if ((c == U'\u00C3' || c == U'\u00C2') && i + 1 < text->size() &&
            IsContinuationLike((*text)[i + 1])) {
            sign = text->substr(i, 2);
            ++i;
        } else if (c == U'\u00A4') {
            sign = text->substr(i, 1);
        }
        if (!sign.empty()) {
            signs.push_back(std::string(place) + ": \"" + EncodeUtf8(sign) + "\"");
        }
    }
    return signs;
}

void CheckEncoding(const LanguageInput& input) {
    const Language& lang = *input.lang;
    std::vector<std::string> signs;
    const auto scan = [&signs](std::string_view text, const std::string& place) {
        for (std::string& s : DoubleEncodingSigns(text, place)) {
            signs.push_back(std::move(s));
        }
    };
    for (std::size_t s = 0; s < input.source.suras.size(); ++s) {
        const SourceSura& sura = input.source.suras[s];
        const std::string where = std::string(lang.code) + " sura " + std::to_string(s + 1);
        scan(sura.name, where + " name");
        scan(sura.transliteration, where + " transliteration");
        for (std::size_t v = 0; v < sura.verses.size(); ++v) {
            scan(sura.verses[v],
                 VersePlace(lang.code, static_cast<int>(s + 1), static_cast<int>(v + 1)));
        }
    }
    const HandWritten& hw = input.handWritten;
    const std::vector<std::string> files = HandWrittenFiles(lang);
    const std::array<const std::string*, 6> texts = {&hw.appendices[0], &hw.appendices[1],
                                                     &hw.appendices[2], &hw.appendixTitles,
                                                     &hw.help,          &hw.interfaceTexts};
    for (std::size_t i = 0; i < texts.size() && i < files.size(); ++i) {
        scan(*texts[i], "data/" + files[i]);
    }
    if (!signs.empty()) {
        std::string message = "text of a broken encoding that no repair covers:";
        for (const std::string& s : signs) {
            message += "\n  " + s;
        }
        throw DataError(message);
    }
}

} // namespace lumra::dataset
