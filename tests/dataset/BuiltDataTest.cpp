// The data set this build wrote into the program folder, against the translation it came from.

#include "SuraTable.h"
#include "dataset/Cp1252.h"
#include "dataset/Repairs.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lumra::dataset {
namespace {

std::string Slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return std::move(s).str();
}

std::string Built(const std::string& name) {
    return Slurp(LUMRA_BUILT_PROGRAM_DIR + name);
}

std::vector<std::string> CrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF";
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

struct Source {
    nlohmann::json json;
    std::string Verse(int sura, int verse) const {
        return json.at(sura - 1).at("verses").at(verse - 1).at("translation").get<std::string>();
    }
};

const Source& SourceOf(const std::string& lang) {
    static const Source en{nlohmann::json::parse(Slurp(LUMRA_QURAN_JSON_DIR "quran_en.json"))};
    static const Source sv{nlohmann::json::parse(Slurp(LUMRA_QURAN_JSON_DIR "quran_sv.json"))};
    return lang == "en" ? en : sv;
}

struct Numbered {
    int sura;
    int verse;
    std::string text; // UTF-8
};

std::vector<Numbered> NumberedLines(const std::string& name) {
    std::vector<Numbered> out;
    for (const std::string& line : CrLfLines(Built(name))) {
        EXPECT_GE(line.size(), 8u) << name;
        EXPECT_EQ(line.find_first_not_of("0123456789"), 6u) << name << ": " << line;
        EXPECT_EQ(line[6], ' ');
        const int sura = std::stoi(line.substr(0, 3));
        const int verse = std::stoi(line.substr(3, 3));
        EXPECT_TRUE(sura >= 1 && sura <= kSuraCount && verse >= FirstVerse(sura) &&
                    verse <= LastVerse(sura))
            << name << ": " << line.substr(0, 6);
        out.push_back({sura, verse, Cp1252ToUtf8(line.substr(7))});
    }
    return out;
}

class BuiltData : public ::testing::TestWithParam<std::string> {
protected:
    std::string lang = GetParam();
};

TEST_P(BuiltData, VerseTextsAreTheSourcesAtTheirPositions) {
    const std::vector<std::string> kvt = CrLfLines(Built(lang + "kvt.txt"));
    ASSERT_EQ(kvt.size(), static_cast<std::size_t>(kPositionCount));
    const Source& src = SourceOf(lang);
    EXPECT_EQ(Cp1252ToUtf8(kvt[PositionOf(2, 255) - 1]), src.Verse(2, 255));
    EXPECT_EQ(Cp1252ToUtf8(kvt[PositionOf(9, 127) - 1]), src.Verse(9, 127));
    EXPECT_EQ(Cp1252ToUtf8(kvt[PositionOf(10, 1) - 1]), src.Verse(10, 1));
    EXPECT_EQ(Cp1252ToUtf8(kvt.back()), src.Verse(114, 6));
    int openings = 0;
    for (int s = 2; s <= kSuraCount; ++s) {
        if (kSuras.HasOpening[s] != 0) {
            EXPECT_EQ(Cp1252ToUtf8(kvt[PositionOf(static_cast<std::int16_t>(s), 0) - 1]),
                      src.Verse(1, 1))
                << s;
            ++openings;
        }
    }
    EXPECT_EQ(openings, 112);
}

TEST_P(BuiltData, TheUnnumberedVersesOfSura9AreInTheFootnoteOf9_127) {
    const std::vector<Numbered> nfn = NumberedLines(lang + "nfn.txt");
    const Source& src = SourceOf(lang);
    const auto it = std::find_if(nfn.begin(), nfn.end(),
                                 [](const Numbered& n) { return n.sura == 9 && n.verse == 127; });
    ASSERT_NE(it, nfn.end());
    EXPECT_NE(it->text.find("_[9:128] " + src.Verse(9, 128)), std::string::npos);
    EXPECT_NE(it->text.find("_[9:129] " + src.Verse(9, 129)), std::string::npos);
    // One note on 9:127 and the 15 prostration verses.
    EXPECT_EQ(nfn.size(), 16u);
    for (const auto& [s, v] : {std::pair{7, 206}, {22, 77}, {84, 21}, {96, 19}}) {
        EXPECT_TRUE(std::any_of(nfn.begin(), nfn.end(),
                                [&](const Numbered& n) { return n.sura == s && n.verse == v; }))
            << s << ":" << v;
    }
}

TEST_P(BuiltData, SubtitlesNameEverySuraAndPart) {
    const std::vector<Numbered> nst = NumberedLines(lang + "nst.txt");
    EXPECT_EQ(nst.size(), 143u);
    const auto& chapters = SourceOf(lang).json;
    const auto at = [&](int s, int v) -> std::string {
        for (const auto& n : nst) {
            if (n.sura == s && n.verse == v) {
                return n.text;
            }
        }
        return "(none)";
    };
    for (int s = 1; s <= kSuraCount; ++s) {
        const auto& c = chapters.at(s - 1);
        EXPECT_EQ(at(s, FirstVerse(s)), c.at("translation").get<std::string>() + "_" +
                                            c.at("transliteration").get<std::string>());
    }
    const std::string part = lang == "en" ? "Part " : "Del ";
    EXPECT_EQ(at(15, 1), part + "14");
    EXPECT_EQ(at(2, 142), part + "2");
    EXPECT_EQ(at(78, 1), part + "30");

    const std::vector<std::string> ksn = CrLfLines(Built(lang + "ksn.txt"));
    ASSERT_EQ(ksn.size(), 114u);
    EXPECT_EQ(Cp1252ToUtf8(ksn[1]), chapters.at(1).at("translation").get<std::string>() + " (" +
                                        chapters.at(1).at("transliteration").get<std::string>() +
                                        ")");
}

TEST_P(BuiltData, AppendicesAreFortyOneTextsOfTheGivenLengths) {
    const std::string len = Built(lang + "len");
    const std::string aapx = Built(lang + "aapx");
    ASSERT_EQ(len.size(), 41u * 4);
    std::size_t sum = 0;
    for (std::size_t r = 0; r < 41; ++r) {
        std::uint32_t n = 0;
        for (int b = 3; b >= 0; --b) {
            n = (n << 8) | static_cast<unsigned char>(len[r * 4 + static_cast<std::size_t>(b)]);
        }
        EXPECT_GT(n, 0u);
        if (lang == "sv") {
            EXPECT_EQ(aapx.substr(sum, 5), "{\\rtf") << "appendix " << r + 1;
        } else if (r >= 3) {
            EXPECT_EQ(aapx.substr(sum, n).find_first_of("\\{}"), std::string::npos) << r + 1;
        }
        sum += n;
    }
    EXPECT_EQ(sum, aapx.size());
    const std::vector<std::string> apt = CrLfLines(Built(lang + "apt.txt"));
    ASSERT_EQ(apt.size(), 41u);
    EXPECT_EQ(Cp1252ToUtf8(apt[3]), lang == "en" ? "Suras 1\u20133" : "Surorna 1\u20133");
}

TEST_P(BuiltData, EveryFileFitsTheReaderAndTheFingerprint) {
    for (const char* name : {"kvt.txt", "nst.txt", "nfn.txt", "ksn.txt", "hlp.rtf", "len", "aapx",
                             "apt.txt", "ift.txt"}) {
        const std::filesystem::path file = LUMRA_BUILT_PROGRAM_DIR + lang + name;
        ASSERT_TRUE(std::filesystem::exists(file)) << file;
        EXPECT_LE(std::filesystem::file_size(file), 1'000'000u) << file;
    }
    // The reader drops the help file's last byte.
    const std::string help = Built(lang + "hlp.rtf");
    EXPECT_TRUE(help.starts_with("{\\rtf"));
    EXPECT_TRUE(help.ends_with("}\r\n"));
    EXPECT_FALSE(CrLfLines(Built(lang + "ift.txt")).empty());
}

INSTANTIATE_TEST_SUITE_P(Languages, BuiltData, ::testing::Values("en", "sv"));

TEST(BuiltSwedishData, LettersSurviveTheRoundTrip) {
    const std::string kvt = Built("svkvt.txt");
    const Source& src = SourceOf("sv");
    // Every å, ä and ö of the numbered verses, plus those of the 112 openings.
    for (const auto& [utf8, byte] : {std::pair{"\xc3\xa5", '\xe5'},
                                     {"\xc3\xa4", '\xe4'},
                                     {"\xc3\xb6", '\xf6'},
                                     {"\xc3\x85", '\xc5'}}) {
        const auto count = [&](const std::string& text) {
            long n = 0;
            for (std::size_t at = text.find(utf8); at != std::string::npos;
                 at = text.find(utf8, at + 1)) {
                ++n;
            }
            return n;
        };
        long expected = 112 * count(src.Verse(1, 1));
        for (int s = 1; s <= kSuraCount; ++s) {
            for (int v = 1; v <= kSuras.VerseCount[s]; ++v) {
                expected += count(src.Verse(s, v));
            }
        }
        EXPECT_GT(expected, 0);
        EXPECT_EQ(std::count(kvt.begin(), kvt.end(), byte), expected) << utf8;
    }
    const std::vector<std::string> lines = CrLfLines(kvt);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kPositionCount));
    EXPECT_EQ(Cp1252ToUtf8(lines[0]), src.Verse(1, 1));
}

TEST(BuiltSwedishData, TheGarbledVersesAreRepairedAndNoBrokenEncodingIsLeft) {
    const std::vector<std::string> kvt = CrLfLines(Built("svkvt.txt"));
    ASSERT_EQ(kvt.size(), static_cast<std::size_t>(kPositionCount));
    const std::string v52 = Cp1252ToUtf8(kvt[PositionOf(52, 15) - 1]);
    EXPECT_EQ(v52, "\u00C4" + SourceOf("sv").Verse(52, 15).substr(2)); // "¤" is two bytes
    const std::string v61 = Cp1252ToUtf8(kvt[PositionOf(61, 11) - 1]);
    EXPECT_EQ(v61 + " \u00C3\u2030", SourceOf("sv").Verse(61, 11));
    for (const char* lang : {"en", "sv"}) {
        for (const char* name : {"kvt.txt", "nst.txt", "nfn.txt", "ksn.txt"}) {
            const std::string file = std::string(lang) + name;
            EXPECT_EQ(DoubleEncodingSigns(Cp1252ToUtf8(Built(file)), file),
                      std::vector<std::string>{});
        }
    }
}

TEST(BuiltFigures, OcfCountsAndSumsTheVerses) {
    const std::string ocf = Built("Ocf");
    ASSERT_EQ(ocf.size(), 6u * kPositionCount);
    const auto record = [&](int position) {
        const std::size_t at = 6u * static_cast<std::size_t>(position - 1);
        const auto byte = [&](std::size_t i) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(ocf[at + i]));
        };
        const auto first = static_cast<std::int16_t>(byte(0) | byte(1) << 8);
        const auto second =
            static_cast<std::int32_t>(byte(2) | byte(3) << 8 | byte(4) << 16 | byte(5) << 24);
        return std::pair{first, second};
    };
    long sum = 0;
    for (int s = 1; s <= kSuraCount; ++s) {
        sum += static_cast<long>(kSuras.VerseCount[s]) * (kSuras.VerseCount[s] + 1) / 2;
    }
    EXPECT_EQ(record(kPositionCount).first, kNumberedVerseCount);
    EXPECT_EQ(record(kPositionCount).second, sum);
    EXPECT_EQ(record(PositionOf(2, 0)).first, 0);
    EXPECT_EQ(record(PositionOf(9, 1)).first, PositionOf(9, 1) - 7); // after the openings of 2..8
}

} // namespace
} // namespace lumra::dataset
