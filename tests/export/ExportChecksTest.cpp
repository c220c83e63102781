#include "ExportFixture.h"

#include <filesystem>

#include "export/ExportChecks.h"
#include "export/ExportNames.h"

namespace lumra {
namespace {

using test::ExportFixture;

class ExportChecksTest : public ExportFixture {
protected:
    ExportCheck Check(const std::string& fromSura, const std::string& fromVerse,
                      const std::string& toSura, const std::string& toVerse,
                      const std::string& fileName = "Notes") {
        auto r = Request(fileName);
        r.fromSura = fromSura;
        r.fromVerse = fromVerse;
        r.toSura = toSura;
        r.toVerse = toVerse;
        return ValidateExportRequest(r, texts, prompt);
    }
};

TEST_F(ExportChecksTest, TheFirstFailingCheckDecidesWithItsMessageAndBox) {
    struct Case {
        const char* from[2];
        const char* to[2];
        const char* name;
        int failed;
        const char* message;
        ExportBox focus;
    };
    const Case cases[] = {
        // Checks 1 and 2 come before any verse check.
        {{"0", "99"}, {"115", "99"}, "a:b", 1, "en#76en#41en#77", ExportBox::FromSura},
        {{"114.5", "1"}, {"1", "1"}, "N", 1, "en#76en#41en#77", ExportBox::FromSura},
        {{"", "1"}, {"1", "1"}, "N", 1, "en#76en#41en#77", ExportBox::FromSura},
        {{"1", "99"}, {"115", "99"}, "N", 2, "en#76en#42en#77", ExportBox::ToSura},
        {{"1", "8"}, {"2", "999"}, "N", 3, "en#78en#41en#77", ExportBox::FromVerse},
        {{"1", "0"}, {"2", "1"}, "N", 3, "en#78en#41en#77", ExportBox::FromVerse},
        {{"9", ""}, {"10", "1"}, "N", 3, "en#78en#41en#77", ExportBox::FromVerse},
        {{"1", "1"}, {"9", "0"}, "N", 4, "en#78en#42en#77", ExportBox::ToVerse},
        {{"1", "1"}, {"114", "6.5"}, "N", 4, "en#78en#42en#77", ExportBox::ToVerse},
        {{"2", "1"}, {"1", "7"}, "a:b", 5, "en#79en#41en#80en#42en#81", ExportBox::FromSura},
        {{"2", "5"}, {"2", "4"}, "N", 5, "en#79en#41en#80en#42en#81", ExportBox::FromSura},
        {{"1", "1"}, {"114", "6"}, "   ", 6, "en#82", ExportBox::FileName},
    };
    for (const Case& c : cases) {
        prompt.beeps = 0;
        const auto check = Check(c.from[0], c.from[1], c.to[0], c.to[1], c.name);
        EXPECT_EQ(check.failed, c.failed) << c.from[0] << ":" << c.from[1] << "-" << c.to[0];
        EXPECT_EQ(check.message, c.message) << c.failed;
        EXPECT_EQ(check.focus, c.focus) << c.failed;
        // The message is for the caller to show; nothing has been shown yet.
        EXPECT_TRUE(prompt.boxes.empty());
    }
}

TEST_F(ExportChecksTest, FractionsAndEmptyBoxes) {
    // 1.5 passes as a sura and counts as sura 2, which has 286 verses and an opening.
    EXPECT_EQ(Check("1.5", "286", "2", "286").failed, 0);
    EXPECT_EQ(Check("1.5", "287", "2", "287").failed, 3);
    auto r = Request("N");
    r.fromSura = "1.5";
    r.fromVerse = "0";
    r.toSura = "2.5";
    r.toVerse = "3.5";
    EXPECT_EQ(RangeOfRequest(r).start, PositionOf(2, 0));
    EXPECT_EQ(RangeOfRequest(r).end, PositionOf(2, 4));
    // An empty verse box reads as 0: the opening, for every sura but 1 and 9.
    EXPECT_EQ(Check("2", "", "3", "").failed, 0);
    EXPECT_EQ(Check("1", "1", "9", "").failed, 4);
    // The leading number counts, whatever follows it.
    EXPECT_EQ(Check("2x", " 3abc", "3", "4").failed, 0);
    // The rounded positions decide the order: 2:4.4 and 2:4 are the same verse.
    EXPECT_EQ(Check("2", "4.4", "2", "4").failed, 0);
    EXPECT_EQ(Check("2", "4.6", "2", "4").failed, 5);
}

TEST_F(ExportChecksTest, UsableFileNames) {
    for (char c : std::string(kForbiddenNameCharacters)) {
        const std::string name = std::string("No") + c + "tes";
        EXPECT_FALSE(IsUsableFileName(name)) << c;
        EXPECT_EQ(Check("1", "1", "114", "6", name).failed, 6) << c;
    }
    EXPECT_EQ(kForbiddenNameCharacters.size(), 9u);
    for (const char* name : {"", " ", "     "}) {
        EXPECT_FALSE(IsUsableFileName(name));
    }
    for (const char* name : {"Notes", "  Notes  ", "Notes.txt", "N\xE5gra ord", ".rtf"}) {
        EXPECT_TRUE(IsUsableFileName(name)) << name;
    }
}

TEST_F(ExportChecksTest, FullFileNamesAndFolders) {
    EXPECT_EQ(FullFileName("Notes", true), "Notes.rtf");
    EXPECT_EQ(FullFileName("Notes.RTF", true), "Notes.RTF");
    EXPECT_EQ(FullFileName("Notes.txt", true), "Notes.txt.rtf");
    EXPECT_EQ(FullFileName("Notes.rtf", false), "Notes.rtf.txt");
    EXPECT_EQ(FullFileName("  Notes.TxT  ", false), "Notes.TxT");
    EXPECT_EQ(FullFileName("rtf", true), "rtf.rtf");
    EXPECT_EQ(FolderPath("/"), "/");
    EXPECT_EQ(FolderPath("/home/reader"), "/home/reader/");
    EXPECT_EQ(FolderPath("/home/reader/"), "/home/reader/");
}

TEST_F(ExportChecksTest, AnExistingFileIsOnlyReplacedWhenTheReaderAgrees) {
    test::WriteFile(out.Path() + "NOTES.RTF", "old");
    prompt.Answer(PromptAnswer::No);
    auto check = Check("1", "1", "114", "6", "notes");
    EXPECT_EQ(check.failed, 7);
    EXPECT_EQ(check.focus, ExportBox::FileName);
    EXPECT_TRUE(check.asked);
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.events.front(), "beep");
    EXPECT_EQ(prompt.boxes[0].message, "en#83notes.rtfen#84");
    EXPECT_EQ(prompt.boxes[0].title, "en#45");
    EXPECT_EQ(prompt.boxes[0].icon, PromptIcon::None);
    EXPECT_EQ(prompt.boxes[0].buttons, PromptButtons::YesNo);
    // ReportExportCheck has nothing more to say after the question.
    ReportExportCheck(check, texts, prompt);
    EXPECT_EQ(prompt.boxes.size(), 1u);

    prompt.Answer(PromptAnswer::Yes);
    EXPECT_EQ(Check("1", "1", "114", "6", "notes").failed, 0);
    // Other formats and names ask nothing.
    EXPECT_EQ(Check("1", "1", "114", "6", "notes.txt").failed, 0);
    std::filesystem::create_directory(out.Path() + "folder.rtf");
    EXPECT_EQ(Check("1", "1", "114", "6", "folder").failed, 0);
    EXPECT_EQ(prompt.boxes.size(), 2u);
}

TEST_F(ExportChecksTest, AFailedCheckIsReportedAsAnError) {
    const auto check = Check("0", "1", "1", "1");
    ReportExportCheck(check, texts, prompt);
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.events, (std::vector<std::string>{"beep", "box:en#76en#41en#77"}));
    EXPECT_EQ(prompt.boxes[0].title, "en#71");
    EXPECT_EQ(prompt.boxes[0].icon, PromptIcon::Critical);
    EXPECT_EQ(prompt.boxes[0].buttons, PromptButtons::Ok);
    ReportExportCheck(Check("1", "1", "1", "1"), texts, prompt);
    EXPECT_EQ(prompt.boxes.size(), 1u);
}

TEST(ExportNames, ExistingFilesAreFoundIgnoringTheCaseOfWindows1252Letters) {
    test::TempFolder folder;
    const auto f = folder.Path();
    test::WriteFile(f + "NOTES.RTF", "");
    test::WriteFile(f + Cp1252ToUtf8("\xC5R.txt"), "");
    test::WriteFile(f + ".hidden.rtf", "");
    std::filesystem::create_directory(f + "Folder.rtf");
    EXPECT_EQ(FindExistingFile(f, "notes.rtf"), "NOTES.RTF");
    EXPECT_EQ(FindExistingFile(f, Cp1252ToUtf8("\xE5r.TXT")), Cp1252ToUtf8("\xC5R.txt"));
    EXPECT_EQ(FindExistingFile(f, ".HIDDEN.rtf"), ".hidden.rtf");
    EXPECT_EQ(FindExistingFile(f, "folder.rtf"), std::nullopt);
    EXPECT_EQ(FindExistingFile(f, "Folder.rtf"), std::nullopt);
    EXPECT_EQ(FindExistingFile(f, "notes.txt"), std::nullopt);
    EXPECT_EQ(FindExistingFile(f + "missing/", "notes.rtf"), std::nullopt);
    // The exact name first, when both spellings are there.
    test::WriteFile(f + "notes.rtf", "");
    EXPECT_EQ(FindExistingFile(f, "notes.rtf"), "notes.rtf");
}

TEST(ExportNames, CaseFoldingAndEncoding) {
    EXPECT_EQ(Cp1252ToUtf8("a\xE5\x80\x8A\x81"), "a\xC3\xA5\xE2\x82\xAC\xC5\xA0\xC2\x81");
    EXPECT_TRUE(SameNameIgnoringCase(Cp1252ToUtf8("\xC0\xDE\x8A\x8C\x8E\x9F"),
                                     Cp1252ToUtf8("\xE0\xFE\x9A\x9C\x9E\xFF")));
    // × and ÷ are no letters; ß has no capital here.
    EXPECT_FALSE(SameNameIgnoringCase(Cp1252ToUtf8("\xD7"), Cp1252ToUtf8("\xF7")));
    EXPECT_FALSE(SameNameIgnoringCase("ab", "abc"));
    // Bytes that are not UTF-8 only equal themselves.
    EXPECT_TRUE(SameNameIgnoringCase("A\xFF", "a\xFF"));
    EXPECT_FALSE(SameNameIgnoringCase("\xFF", "\xDF"));
}

TEST(ExportRangeBoxes, EnterOrTabChecksTheBoxAndNamesTheNextOne) {
    struct Case {
        ExportBox box;
        const char* sura;
        const char* verse;
        int message;
        ExportBox focus;
    };
    const Case cases[] = {
        {ExportBox::FromSura, "2", "", 0, ExportBox::FromVerse},
        {ExportBox::FromSura, "115", "1", 72, ExportBox::FromSura},
        {ExportBox::FromSura, "1.5", "1", 0, ExportBox::FromVerse},
        {ExportBox::FromVerse, "1", "0", 73, ExportBox::FromVerse},
        {ExportBox::FromVerse, "2", "0", 0, ExportBox::ToSura},
        {ExportBox::FromVerse, "0", "1", 72, ExportBox::FromSura},
        {ExportBox::ToSura, "", "6", 72, ExportBox::ToSura},
        {ExportBox::ToSura, "114", "6", 0, ExportBox::ToVerse},
        {ExportBox::ToVerse, "115", "1", 72, ExportBox::ToSura},
        {ExportBox::ToVerse, "114", "7", 73, ExportBox::ToVerse},
        {ExportBox::ToVerse, "114", "6", 0, ExportBox::FileName},
    };
    for (const Case& c : cases) {
        const auto step = CheckRangeBox(c.box, c.sura, c.verse);
        EXPECT_EQ(step.message, c.message) << c.sura << ":" << c.verse;
        EXPECT_EQ(step.focus, c.focus) << c.sura << ":" << c.verse;
    }
    EXPECT_EQ(VerseCountCaption("1"), "(7)");
    EXPECT_EQ(VerseCountCaption("1.5"), "(286)");
    EXPECT_EQ(VerseCountCaption("114"), "(6)");
    EXPECT_EQ(VerseCountCaption("115"), std::nullopt);
    EXPECT_EQ(VerseCountCaption(""), std::nullopt);
}

} // namespace
} // namespace lumra
