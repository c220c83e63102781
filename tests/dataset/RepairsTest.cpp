// The repairs of the pinned source and the scan for text of a broken encoding.

#include "dataset/Repairs.h"
#include "SyntheticSource.h"
#include "dataset/Report.h"
#include "dataset/TextRules.h"

#include <gtest/gtest.h>

namespace lumra::dataset {
namespace {

using testing::MakeInput;
using testing::MakeSource;

std::string& Verse(SourceText& source, int sura, int verse) {
    return source.suras.at(static_cast<std::size_t>(sura - 1))
        .verses.at(static_cast<std::size_t>(verse - 1));
}

std::string Thrown(const auto& action) {
    try {
        action();
    } catch (const DataError& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

TEST(SourceRepairs, ExactlyTheListedSpotsAreRepairedAndAChangedSourceIsRefused) {
    SourceText sv = MakeSource("sv");
    Verse(sv, 52, 15) = "\u00A4r den en synvilla?";
    Verse(sv, 61, 11) = "om ni bara visste \u00C3\u2030";
    const SourceText before = sv;
    RepairSource(sv, kSwedish);
    EXPECT_EQ(Verse(sv, 52, 15), "\u00C4r den en synvilla?");
    EXPECT_EQ(Verse(sv, 61, 11), "om ni bara visste");
    int changed = 0;
    for (int s = 1; s <= 114; ++s) {
        const auto i = static_cast<std::size_t>(s - 1);
        for (std::size_t v = 0; v < sv.suras[i].verses.size(); ++v) {
            changed += sv.suras[i].verses[v] != before.suras[i].verses[v];
        }
    }
    EXPECT_EQ(changed, 2);
    // Applied twice, or to a source without the fault, a repair no longer matches.
    EXPECT_NE(Thrown([&] { RepairSource(sv, kSwedish); }).find("sv 52:15"), std::string::npos);
    SourceText twice = before;
    Verse(twice, 61, 11) += " \u00C3\u2030 visste \u00C3\u2030";
    EXPECT_NE(Thrown([&] { RepairSource(twice, kSwedish); }).find("sv 61:11"), std::string::npos);
    // The English source has no repairs.
    SourceText en = MakeSource("en");
    RepairSource(en, kEnglish);
    EXPECT_EQ(Verse(en, 52, 15), MakeSource("en").suras[51].verses[14]);

    const std::string report = RepairSummary();
    EXPECT_NE(report.find("sv 52:15  \"\u00A4r den\" -> \"\u00C4r den\""), std::string::npos);
    EXPECT_NE(report.find("sv 61:11  \"visste \u00C3\u2030\" -> \"visste\""), std::string::npos);
}

TEST(SourceRepairs, SignsOfDoubleEncodingAreFound) {
    struct Case {
        const char* text;
        std::vector<std::string> signs;
    };
    const std::vector<Case> cases = {
        {"Sj\u00C3\u00A4lv \u00C3\u00B6", {"p: \"\u00C3\u00A4\"", "p: \"\u00C3\u00B6\""}},
        {"40\u00C2\u00B0 och \u00C2\u00A0", {"p: \"\u00C2\u00B0\"", "p: \"\u00C2\u00A0\""}},
        {"\u00A4r", {"p: \"\u00A4\""}},
        {"visste \u00C3\u2030", {"p: \"\u00C3\u2030\""}},
        // Letters of both languages and a lone "Ã" or "Â" before a letter are sound.
        {"\u00C4r \u00E5 \u00C5 \u00E9 \u00C3a \u00C2b \u20AC \u2026", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DoubleEncodingSigns(c.text, "p"), c.signs) << c.text;
    }
}

TEST(SourceRepairs, TheBuildFailsOnASignThatNoRepairCovers) {
    LanguageInput sv = MakeInput(kSwedish, "sv");
    EXPECT_NO_THROW(CheckEncoding(sv));
    Verse(sv.source, 2, 255) += " \u00C3\u00A5";
    sv.source.suras[2].name += "\u00A4";
    sv.handWritten.help += "\u00C2\u00A9";
    const std::string error = Thrown([&] { CheckEncoding(sv); });
    EXPECT_NE(error.find("sv 2:255: \"\u00C3\u00A5\""), std::string::npos) << error;
    EXPECT_NE(error.find("sv sura 3 name: \"\u00A4\""), std::string::npos) << error;
    EXPECT_NE(error.find("data/sv/help.rtf: \"\u00C2\u00A9\""), std::string::npos) << error;
}

} // namespace
} // namespace lumra::dataset
