#include <gtest/gtest.h>

#include "SyntheticDataSet.h"
#include "corpus/CorpusLoader.h"

namespace lumra {
namespace {

using test::SyntheticDataSet;

class CorpusLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        SyntheticDataSet::Write(folder.Path());
        for (int n = 1; n <= 145; ++n) {
            texts.Set(n, SyntheticDataSet::InterfaceText("en", n));
        }
    }
    CorpusLoadResult Load(const std::string& code = "en") {
        return LoadCorpus(folder.Path(), code, texts);
    }
    std::string File(const std::string& name) const { return folder.Path() + name; }

    test::TempFolder folder;
    InterfaceTexts texts;
};

TEST_F(CorpusLoaderTest, FillsEveryTableFromTheFiles) {
    for (const std::string code : {"en", "sv"}) {
        const auto result = Load(code);
        ASSERT_TRUE(result.ok()) << result.error.file << ": " << result.error.reason;
        const auto& c = *result.corpus;
        for (int p : {1, 8, 1243, 2011, 6346}) {
            EXPECT_EQ(c.verseText[static_cast<std::size_t>(p)],
                      SyntheticDataSet::VerseText(code, p));
            EXPECT_EQ(c.SubtitleOf(p), SyntheticDataSet::SubtitleAt(code, p)) << p;
            EXPECT_EQ(c.FootnoteOf(p), SyntheticDataSet::FootnoteAt(code, p)) << p;
            EXPECT_EQ(c.figures[static_cast<std::size_t>(p)].first,
                      SyntheticDataSet::FirstFigure(p));
            EXPECT_EQ(c.figures[static_cast<std::size_t>(p)].second,
                      SyntheticDataSet::SecondFigure(p));
        }
        EXPECT_EQ(c.figures[100].first, 2698);
        EXPECT_EQ(c.figures[200].second, 118123);
        EXPECT_TRUE(c.HasSubtitle(8));
        EXPECT_FALSE(c.HasSubtitle(9));
        EXPECT_TRUE(c.HasFootnote(50));
        EXPECT_FALSE(c.HasFootnote(51));
        EXPECT_EQ(c.helpText, SyntheticDataSet::HelpText(code));
        for (int k = 1; k <= 41; ++k) {
            EXPECT_EQ(c.appendices[static_cast<std::size_t>(k)],
                      SyntheticDataSet::AppendixText(code, k));
        }
    }
}

TEST_F(CorpusLoaderTest, TheFilesBytesParseAsTheFilesLoad) {
    const auto read = [&](const std::string& name) { return test::ReadFile(File(name)); };
    CorpusFiles files{read("enkvt.txt"), read("Ocf"),       read("ennst.txt"),
                      read("ennfn.txt"), read("enksn.txt"), read("enhlp.rtf"),
                      read("enlen"),     read("enaapx"),    read("enapt.txt")};
    const auto parsed = ParseCorpus(files, "en", texts);
    const auto loaded = Load();
    ASSERT_TRUE(parsed.ok() && loaded.ok()) << parsed.error.file << ": " << parsed.error.reason;
    for (int p : {1, 8, 50, 6346}) {
        const auto at = static_cast<std::size_t>(p);
        EXPECT_EQ(parsed.corpus->verseText[at], loaded.corpus->verseText[at]);
        EXPECT_EQ(parsed.corpus->SubtitleOf(p), loaded.corpus->SubtitleOf(p));
        EXPECT_EQ(parsed.corpus->FootnoteOf(p), loaded.corpus->FootnoteOf(p));
        EXPECT_EQ(parsed.corpus->figures[at].second, loaded.corpus->figures[at].second);
    }
    EXPECT_EQ(parsed.corpus->suraItems, loaded.corpus->suraItems);
    EXPECT_EQ(parsed.corpus->appendixItems, loaded.corpus->appendixItems);
    EXPECT_EQ(parsed.corpus->helpText, loaded.corpus->helpText);
    // A fault in the bytes names its file.
    files.lengths.clear();
    EXPECT_EQ(ParseCorpus(files, "en", texts).error.file, "enlen");
}

TEST_F(CorpusLoaderTest, ChooserItemsCarryTheirPrefixes) {
    const auto result = Load();
    ASSERT_TRUE(result.ok());
    const auto& c = *result.corpus;
    ASSERT_EQ(c.suraItems.size(), 114u);
    EXPECT_EQ(c.suraItems[8], texts[97] + "9:  " + SyntheticDataSet::SuraName("en", 9));
    ASSERT_EQ(c.appendixItems.size(), 41u);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(c.appendixItems[static_cast<std::size_t>(k - 1)],
                  SyntheticDataSet::AppendixTitle("en", k));
    }
    EXPECT_EQ(c.appendixItems[3], texts[98] + "1: " + SyntheticDataSet::AppendixTitle("en", 4));
    EXPECT_EQ(c.appendixItems[40], texts[98] + "38: " + SyntheticDataSet::AppendixTitle("en", 41));
}

TEST_F(CorpusLoaderTest, NumberFieldsAreReadLeniently) {
    test::WriteFile(File("ennst.txt"), "002000 Opening of two\r\n 23 45 Blank padded\r\n");
    test::WriteFile(File("ennfn.txt"), "001007xSeparator ignored\r\n002001\r\n");
    const auto result = Load();
    ASSERT_TRUE(result.ok()) << result.error.reason;
    const auto& c = *result.corpus;
    EXPECT_EQ(c.SubtitleOf(8), "Opening of two");
    EXPECT_EQ(c.SubtitleOf(PositionOf(23, 45)), "Blank padded");
    EXPECT_EQ(c.FootnoteOf(7), "Separator ignored");
    EXPECT_TRUE(c.HasFootnote(9));
    EXPECT_EQ(c.FootnoteOf(9), "");
}

TEST_F(CorpusLoaderTest, ALaterLineForTheSameVerseWins) {
    test::WriteFile(File("ennst.txt"), "002001 first\r\n002001 second\r\n");
    const auto result = Load();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.corpus->SubtitleOf(9), "second");
    EXPECT_EQ(result.corpus->links[9].subtitleLine, 2);
}

TEST_F(CorpusLoaderTest, TheHelpFileLosesItsLastByte) {
    test::WriteFile(File("enhlp.rtf"), std::string(1000, 'h'));
    const auto result = Load();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.corpus->helpText.size(), 999u);
}

TEST_F(CorpusLoaderTest, LfOnlyFilesAreAccepted) {
    std::string kvt = test::ReadFile(File("enkvt.txt"));
    std::erase(kvt, '\r');
    test::WriteFile(File("enkvt.txt"), kvt);
    const auto result = Load();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.corpus->verseText[6346], SyntheticDataSet::VerseText("en", 6346));
}

struct BrokenFile {
    const char* name;
    std::string content; // nullopt-like: "<delete>" removes the file
};

TEST_F(CorpusLoaderTest, EveryBrokenFileRefusesTheDataSet) {
    std::string apt40;
    for (int k = 1; k <= 40; ++k) {
        apt40 += "title\r\n";
    }
    std::string shortAapx = test::ReadFile(File("enaapx"));
    shortAapx.pop_back();
    std::string negativeLen = test::ReadFile(File("enlen"));
    negativeLen.replace(0, 4, "\xFF\xFF\xFF\xFF", 4);
    std::string ksn113;
    for (int s = 1; s <= 113; ++s) {
        ksn113 += "name\r\n";
    }
    std::string tooManyFootnotes;
    for (int i = 0; i < 451; ++i) {
        tooManyFootnotes += "002001 x\r\n";
    }
    std::string tooManyVerses = test::ReadFile(File("enkvt.txt")) + "one more\r\n";
    const std::vector<BrokenFile> cases = {
        {"Ocf", "<delete>"},
        {"Ocf", std::string(6 * 6346 - 1, '\0')},
        {"enkvt.txt", "<delete>"},
        {"enkvt.txt", ""},
        {"enkvt.txt", tooManyVerses},
        {"ennst.txt", ""},
        {"ennst.txt", "200001 sura two hundred\r\n"},
        {"ennst.txt", "009000 sura nine has no opening\r\n"},
        {"ennst.txt", "001008 past the end of sura one\r\n"},
        {"ennst.txt", "000000 no sura\r\n"},
        {"ennfn.txt", tooManyFootnotes},
        {"enksn.txt", ksn113},
        {"enhlp.rtf", ""},
        {"enlen", std::string(4 * 41 - 1, '\0')},
        {"enaapx", shortAapx},
        {"enlen", negativeLen},
        {"enapt.txt", apt40},
        {"enapt.txt", "<delete>"},
    };
    const std::string good = folder.Path() + "good/";
    std::filesystem::create_directory(good);
    SyntheticDataSet::Write(good);
    for (const auto& c : cases) {
        SyntheticDataSet::Write(folder.Path());
        if (c.content == "<delete>") {
            std::filesystem::remove(File(c.name));
        } else {
            test::WriteFile(File(c.name), c.content);
        }
        const auto result = Load();
        EXPECT_FALSE(result.ok()) << c.name << " (" << c.content.size() << " bytes)";
    }
    // The other language's files are not read.
    SyntheticDataSet::Write(folder.Path());
    std::filesystem::remove(File("svkvt.txt"));
    EXPECT_TRUE(Load("en").ok());
    EXPECT_FALSE(Load("sv").ok());
}

TEST_F(CorpusLoaderTest, AFolderNamedLikeADataFileIsRefused) {
    std::filesystem::remove(File("enkvt.txt"));
    std::filesystem::create_directory(File("enkvt.txt"));
    EXPECT_FALSE(Load().ok());
}

TEST_F(CorpusLoaderTest, AFreshLoadKeepsNothingOfTheOtherLanguage) {
    test::WriteFile(File("svnst.txt"), "002001 only here\r\n");
    const auto sv = Load("sv");
    ASSERT_TRUE(sv.ok());
    EXPECT_FALSE(sv.corpus->HasSubtitle(8));
    const auto en = Load("en");
    ASSERT_TRUE(en.ok());
    EXPECT_EQ(en.corpus->SubtitleOf(8), SyntheticDataSet::SubtitleAt("en", 8));
    EXPECT_FALSE(en.corpus->HasSubtitle(9));
}

} // namespace
} // namespace lumra
