#include "ExportFixture.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "SuraTable.h"
#include "export/ExportChecks.h"

namespace lumra {
namespace {

using test::ExportFixture;
using test::ReadFile;

// The fragments of the two formats, written out here once more so that the files are checked
// against the format rather than against the writer's own pieces.
const std::string kPar = "\\par\\plain\\fs24\\ql ";
const std::string kNote = "\\par\\plain\\li284\\fs20\\ql ";
const std::string kText = "\\pard\\plain\\fs24\\ql ";
const std::string kRtfOpen = "{\\rtf\\fs24\\b\\qc ";
const std::string kRtfClose = "\\par }\r\n";

std::string Title(int sura) {
    return "en#97" + std::to_string(sura) + ":  en name of sura " + std::to_string(sura);
}

std::string RtfHeading(int sura) {
    return kPar + kPar + "\\par\\plain\\fs24\\qc " + std::string(60, '*') + kPar + kPar +
           "\\par\\plain\\fs30\\ql " + Title(sura) + kPar + "en#86" +
           std::to_string(kSuras.VerseCount[sura]) + kPar + "en#87" +
           std::to_string(kSuras.RevelationOrder[sura]) + kPar;
}

std::string RtfReference(const std::string& reference, bool inlineText) {
    return "\\par\\pard\\plain\\fs24\\ql \\pard\\plain\\fs24\\ql " + reference +
           (inlineText ? "  " : kPar);
}

std::string RtfVerse(int position, bool inlineText = true) {
    const auto p = static_cast<std::int16_t>(position);
    return RtfReference("[" + std::to_string(SuraOfPosition(p)) + ":" +
                            std::to_string(VerseOfPosition(p)) + "]",
                        inlineText) +
           kText + test::SyntheticDataSet::VerseText("en", position) + kPar;
}

std::string TextHeading(int sura) {
    return "\r\n" + std::string(40, '*') + "\r\n\r\n\r\n" + Title(sura) + "\r\nen#86" +
           std::to_string(kSuras.VerseCount[sura]) + "\r\nen#87" +
           std::to_string(kSuras.RevelationOrder[sura]) + "\r\n\r\n";
}

std::string TextVerse(int position, bool inlineText = true) {
    const auto p = static_cast<std::int16_t>(position);
    return "[" + std::to_string(SuraOfPosition(p)) + ":" + std::to_string(VerseOfPosition(p)) +
           "]" + (inlineText ? "  " : "\r\n") + test::SyntheticDataSet::VerseText("en", position) +
           "\r\n";
}

// The word is looked for 16 places at a time: an occurrence at any place of a block, across a
// block's edge, in the short rest after the last block, or of a word longer than a block, is
// found exactly as a plain search finds it.
TEST(EmphasisedRtfTextTest, EveryOccurrenceWhereverItFalls) {
    for (const std::string word : {"m", "mercy", "mm", "a word longer than sixteen places"}) {
        for (std::size_t before = 0; before < 40; ++before) {
            const std::string filler = "ym mercmercyym";
            std::string text;
            for (std::size_t i = 0; i < before; ++i) {
                text += filler[i % filler.size()];
            }
            text += word + filler.substr(0, before % 7) + word + filler.substr(0, before % 3);
            std::string expected;
            std::size_t scan = 0;
            for (auto at = text.find(word); at != std::string::npos; at = text.find(word, scan)) {
                expected += kText + text.substr(scan, at - scan) + "\\b " + word;
                scan = at + word.size();
            }
            expected += kText + text.substr(scan) + kPar;
            std::string out;
            AppendEmphasisedRtfText(out, text, word);
            EXPECT_EQ(out, expected) << word << " after " << before;
        }
    }
}

class ExportWritersTest : public ExportFixture {};

TEST_F(ExportWritersTest, OneVerseInBothFormats) {
    const int p = PositionOf(2, 255);
    ASSERT_EQ(p, 263);
    EXPECT_EQ(Export(p, p, true),
              "{\\rtf\\fs24\\b\\qc "
              "\\par\\plain\\fs24\\ql \\par\\plain\\fs24\\ql \\par\\plain\\fs24\\qc " +
                  std::string(60, '*') +
                  "\\par\\plain\\fs24\\ql \\par\\plain\\fs24\\ql \\par\\plain\\fs30\\ql "
                  "en#972:  en name of sura 2\\par\\plain\\fs24\\ql en#86286"
                  "\\par\\plain\\fs24\\ql en#8787\\par\\plain\\fs24\\ql "
                  "\\par\\pard\\plain\\fs24\\ql \\pard\\plain\\fs24\\ql [2:255]  "
                  "\\pard\\plain\\fs24\\ql en verse 2:255 at 263\\par\\plain\\fs24\\ql "
                  "\\par }\r\n");
    EXPECT_EQ(Export(p, p, false), "\r\n" + std::string(40, '*') +
                                       "\r\n\r\n\r\nen#972:  en name of sura 2\r\n"
                                       "en#86286\r\nen#8787\r\n\r\n"
                                       "[2:255]  en verse 2:255 at 263\r\n\r\n\r\n");
}

TEST_F(ExportWritersTest, TheInlineOptionPutsTheTextOnTheReferenceLineOrTheNext) {
    const int p = PositionOf(2, 255);
    inlineReference = 0;
    EXPECT_EQ(Export(p, p, true), kRtfOpen + RtfHeading(2) +
                                      "\\par\\pard\\plain\\fs24\\ql \\pard\\plain\\fs24\\ql "
                                      "[2:255]\\par\\plain\\fs24\\ql \\pard\\plain\\fs24\\ql "
                                      "en verse 2:255 at 263\\par\\plain\\fs24\\ql " +
                                      kRtfClose);
    EXPECT_EQ(Export(p, p, false),
              TextHeading(2) + "[2:255]\r\nen verse 2:255 at 263\r\n" + "\r\n\r\n");
    inlineReference = 1;
    EXPECT_EQ(Export(p, p, false),
              TextHeading(2) + "[2:255]  en verse 2:255 at 263\r\n" + "\r\n\r\n");
}

TEST_F(ExportWritersTest, ARangeFromTheOpeningOfSura2) {
    // 2:0 is position 8 and carries the subtitle "en Sura 2_second line".
    const int start = PositionOf(2, 0);
    ASSERT_EQ(start, 8);
    EXPECT_EQ(Export(start, start + 1, true),
              kRtfOpen + RtfHeading(2) + "\\par\\plain\\fs24\\i\\qc en Sura 2" +
                  "\\par\\plain\\fs24\\i\\qc second line" + kPar + RtfReference("[2:0]", true) +
                  kText + "en verse 2:0 at 8" + kPar + RtfVerse(9) + kRtfClose);
    EXPECT_EQ(Export(start, start + 1, false),
              TextHeading(2) + "     en Sura 2\r\n     second line\r\n\r\n" +
                  "[2:0]  en verse 2:0 at 8\r\n" + "\r\n" + TextVerse(9) + "\r\n" + "\r\n");
}

TEST_F(ExportWritersTest, ARangeAcrossSurasStartingMidSura) {
    // 1:6 to 2:1: the heading of sura 1 although the range starts inside it, then sura 2's.
    const int start = PositionOf(1, 6);
    const int end = PositionOf(2, 1);
    const std::string rtf = Export(start, end, true);
    EXPECT_EQ(rtf, kRtfOpen + RtfHeading(1) + RtfVerse(6) + RtfVerse(7) + RtfHeading(2) +
                       "\\par\\plain\\fs24\\i\\qc en Sura 2\\par\\plain\\fs24\\i\\qc second line" +
                       kPar + RtfVerse(8) + RtfVerse(9) + kRtfClose);
    // All blocks stand on one line.
    EXPECT_EQ(rtf.find('\n'), rtf.size() - 1);
    EXPECT_EQ(Export(start, end, false),
              TextHeading(1) + TextVerse(6) + "\r\n" + TextVerse(7) + "\r\n" + TextHeading(2) +
                  "     en Sura 2\r\n     second line\r\n\r\n" + TextVerse(8) + "\r\n" +
                  TextVerse(9) + "\r\n" + "\r\n");
}

TEST_F(ExportWritersTest, SubtitleLinesInBothFormats) {
    const int p = PositionOf(2, 10);
    SetSubtitle(p, "A_B_C");
    EXPECT_EQ(Export(p, p, true), kRtfOpen + RtfHeading(2) + "\\par\\plain\\fs24\\i\\qc A" +
                                      "\\par\\plain\\fs24\\i\\qc B_C" + kPar + RtfVerse(p) +
                                      kRtfClose);
    EXPECT_EQ(Export(p, p, false),
              TextHeading(2) + "     A\r\n     B\r\n     C\r\n\r\n" + TextVerse(p) + "\r\n\r\n");
    // A one-line subtitle, as at 2:142 (position 150, which also has a footnote).
    const int q = PositionOf(2, 142);
    EXPECT_EQ(Export(q, q, true), kRtfOpen + RtfHeading(2) + "\\par\\plain\\fs24\\i\\qc en part 2" +
                                      kPar + RtfVerse(q) + kNote + "en note 150" + kNote +
                                      kRtfClose);
    EXPECT_EQ(Export(q, q, false), TextHeading(2) + "     en part 2\r\n\r\n" + TextVerse(q) +
                                       "\r\n   en note 150\r\n" + "\r\n\r\n");
}

TEST_F(ExportWritersTest, TheEmphasisedWordIsBoldInRichTextOnly) {
    texts.Set(68, "mercy");
    const int p = PositionOf(2, 20);
    corpus.verseText.Set(static_cast<std::size_t>(p), "Lord of mercy");
    const std::string reference = RtfReference("[2:20]", true);
    // Ending with the word still ends the paragraph.
    EXPECT_EQ(Export(p, p, true), kRtfOpen + RtfHeading(2) + reference + kText +
                                      "Lord of \\b mercy" + kText + kPar + kRtfClose);
    EXPECT_EQ(Export(p, p, false), TextHeading(2) + "[2:20]  Lord of mercy\r\n\r\n\r\n");

    // Every occurrence, adjacent ones too, each written exactly once; case counts.
    corpus.verseText.Set(static_cast<std::size_t>(p), "mercy and mercymercy, Mercy.");
    EXPECT_EQ(Export(p, p, true), kRtfOpen + RtfHeading(2) + reference + kText + "\\b mercy" +
                                      kText + " and \\b mercy" + kText + "\\b mercy" + kText +
                                      ", Mercy." + kPar + kRtfClose);

    // A word with a Windows-1252 letter, and a word that is not there.
    texts.Set(68, "barmh\xE4rtig");
    corpus.verseText.Set(static_cast<std::size_t>(p), "Den barmh\xE4rtige");
    EXPECT_EQ(Export(p, p, true), kRtfOpen + RtfHeading(2) + reference + kText + "Den " +
                                      "\\b barmh\xE4rtig" + kText + "e" + kPar + kRtfClose);
    corpus.verseText.Set(static_cast<std::size_t>(p), "no such word");
    EXPECT_EQ(Export(p, p, true),
              kRtfOpen + RtfHeading(2) + reference + kText + "no such word" + kPar + kRtfClose);
    // An empty word marks nothing (and does not loop).
    texts.Set(68, "");
    EXPECT_EQ(Export(p, p, true),
              kRtfOpen + RtfHeading(2) + reference + kText + "no such word" + kPar + kRtfClose);
}

TEST_F(ExportWritersTest, FootnotesNearTheEndOfTheText) {
    // 6330 and 6331 are 112:1 and 112:2; 6345 and 6346 are 114:5 and 114:6.
    SetFootnote(6330, "n6330", 440);
    SetFootnote(6331, "n6331_second", 441);
    SetFootnote(6345, "n6345", 442);
    SetFootnote(6346, "n6346_x_y", 443);

    EXPECT_EQ(Export(6330, 6331, true), kRtfOpen + RtfHeading(112) + RtfVerse(6330) + kNote +
                                            "n6330" + kNote + RtfVerse(6331) + kRtfClose);
    EXPECT_EQ(Export(6345, 6346, true), kRtfOpen + RtfHeading(114) + RtfVerse(6345) +
                                            RtfVerse(6346) + kNote + "n6346" + kNote + "x" + kNote +
                                            "y" + kNote + kRtfClose);
    EXPECT_EQ(Export(6330, 6331, false), TextHeading(112) + TextVerse(6330) + "\r\n   n6330\r\n" +
                                             "\r\n" + TextVerse(6331) +
                                             "\r\n   n6331\r\nsecond\r\n" + "\r\n" + "\r\n");
    EXPECT_EQ(Export(6345, 6346, false), TextHeading(114) + TextVerse(6345) + "\r\n   n6345\r\n" +
                                             "\r\n" + TextVerse(6346) +
                                             "\r\n   n6346\r\nx\r\ny\r\n" + "\r\n" + "\r\n");

    // The last position has its footnote block in rich text even without a footnote.
    corpus.links[6346].footnoteLine = 0;
    EXPECT_EQ(Export(6346, 6346, true),
              kRtfOpen + RtfHeading(114) + RtfVerse(6346) + kNote + kNote + kRtfClose);
    EXPECT_EQ(Export(6346, 6346, false), TextHeading(114) + TextVerse(6346) + "\r\n\r\n");
}

TEST_F(ExportWritersTest, TheWholeTextIsAnnouncedAndEveryExportReportsCompletion) {
    const std::string rtf = Export(1, kPositionCount, true);
    ASSERT_EQ(prompt.boxes.size(), 2u);
    EXPECT_EQ(prompt.boxes[0].message, "en#50");
    EXPECT_EQ(prompt.boxes[0].title, "en#45");
    EXPECT_EQ(prompt.boxes[0].icon, PromptIcon::None);
    EXPECT_EQ(prompt.boxes[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(prompt.boxes[1].message, "en#88");
    EXPECT_EQ(prompt.boxes[1].title, "en#45");
    EXPECT_EQ(prompt.boxes[1].icon, PromptIcon::None);
    // The notice comes without a beep; completion with one.
    EXPECT_EQ(prompt.events, (std::vector<std::string>{"box:en#50", "beep", "box:en#88"}));
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(
        rtf.rfind(kRtfOpen + RtfHeading(1) +
                      "\\par\\plain\\fs24\\i\\qc en Sura 1\\par\\plain\\fs24\\i\\qc second line" +
                      kPar + RtfVerse(1) + RtfVerse(2),
                  0),
        0u);
    EXPECT_NE(rtf.find(RtfHeading(114) + "\\par\\plain\\fs24\\i\\qc en Sura 114"),
              std::string::npos);
    std::size_t references = 0;
    for (auto at = rtf.find("\\pard\\plain\\fs24\\ql ["); at != std::string::npos;
         at = rtf.find("\\pard\\plain\\fs24\\ql [", at + 1)) {
        ++references;
    }
    EXPECT_EQ(references, static_cast<std::size_t>(kPositionCount));
    const std::string tail = RtfVerse(6346) + kNote + kNote + kRtfClose;
    EXPECT_EQ(rtf.substr(rtf.size() - tail.size()), tail);

    // Any other range goes without the notice.
    prompt.boxes.clear();
    Export(1, kPositionCount - 1, false);
    Export(2, kPositionCount, false);
    ASSERT_EQ(prompt.boxes.size(), 2u);
    EXPECT_EQ(prompt.boxes[0].message, "en#88");
    EXPECT_EQ(prompt.boxes[1].message, "en#88");
}

TEST_F(ExportWritersTest, AnExistingFileIsReplacedEvenWhenItsNameDiffersInCase) {
    test::WriteFile(out.Path() + "x.rtf", std::string(100000, 'z'));
    const int p = PositionOf(2, 255);
    EXPECT_EQ(Export(p, p, true).find('z'), std::string::npos);

    // The reader agreed to replace NOTES.RTF: it is the file that gets the export.
    test::WriteFile(out.Path() + "NOTES.RTF", "old");
    ASSERT_TRUE(ExportVerseRange(Request("notes"), p, p, true, Environment()));
    EXPECT_FALSE(std::filesystem::exists(out.Path() + "notes.rtf"));
    EXPECT_EQ(ReadFile(out.Path() + "NOTES.RTF"), Export(p, p, true));
}

// A link to a file is asked about as the file; a dangling one is not. Either link is replaced
// by the file itself: nothing is written through it.
TEST_F(ExportWritersTest, ALinkOfTheNameIsReplacedWithoutWritingThroughIt) {
    test::TempFolder outside;
    test::WriteFile(outside.Path() + "kept.rtf", "outside");
    const std::string link = out.Path() + "x.rtf";
    for (const std::string& target : {outside.Path() + "kept.rtf", outside.Path() + "gone.rtf"}) {
        SCOPED_TRACE(target);
        const bool toAFile = target.ends_with("kept.rtf");
        std::filesystem::remove(link);
        std::filesystem::create_symlink(target, link);
        auto request = Request("x");
        request.toSura = "1";
        request.toVerse = "7";
        EXPECT_EQ(ValidateExportRequest(request, texts, prompt).failed, 0);
        EXPECT_EQ(prompt.boxes.size(), toAFile ? 1u : 0u) << "the replace question";
        ASSERT_TRUE(ExportVerseRange(request, 1, 7, true, Environment()));
        prompt.boxes.clear();
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(link)));
        EXPECT_EQ(ReadFile(link).rfind(kRtfOpen + RtfHeading(1), 0), 0u);
        EXPECT_EQ(ReadFile(outside.Path() + "kept.rtf"), "outside");
        EXPECT_FALSE(std::filesystem::exists(outside.Path() + "gone.rtf"));
    }
    // Nothing is left beside the export: the temporary file became x.rtf.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.Dir()),
                            std::filesystem::directory_iterator()),
              1);
}

class ExportFailureTest : public ExportFixture {
protected:
    void ExpectFailureReported() {
        ASSERT_EQ(prompt.boxes.size(), 1u);
        EXPECT_EQ(prompt.boxes[0].message, "en#85");
        EXPECT_EQ(prompt.boxes[0].title, "en#71");
        EXPECT_EQ(prompt.boxes[0].icon, PromptIcon::Critical);
        EXPECT_EQ(prompt.events.front(), "beep");
        EXPECT_TRUE(busy.empty() || busy.back() == false);
    }
};

TEST_F(ExportFailureTest, AFolderOfTheTargetsNameCannotBeReplaced) {
    std::filesystem::create_directory(out.Path() + "x.rtf");
    EXPECT_FALSE(ExportVerseRange(Request("x"), 1, 7, true, Environment()));
    ExpectFailureReported();
    EXPECT_TRUE(std::filesystem::is_directory(out.Path() + "x.rtf"));
}

TEST_F(ExportFailureTest, AFolderThatIsAFileOrMissing) {
    test::WriteFile(out.Path() + "plain", "a file");
    auto request = Request("x");
    request.folder = out.Path() + "plain";
    EXPECT_FALSE(ExportVerseRange(request, 1, 7, true, Environment()));
    ExpectFailureReported();
    prompt.boxes.clear();
    prompt.events.clear();
    request.folder = out.Path() + "gone/deeper";
    EXPECT_FALSE(ExportVerseRange(request, 1, 7, false, Environment()));
    ExpectFailureReported();
}

TEST_F(ExportFailureTest, AWriteProtectedFolder) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "running as root, which writes into write-protected folders anyway";
    }
    std::filesystem::permissions(out.Dir(), std::filesystem::perms::owner_read |
                                                std::filesystem::perms::owner_exec);
    EXPECT_FALSE(ExportVerseRange(Request("x"), 1, 7, true, Environment()));
    ExpectFailureReported();
}

TEST_F(ExportFailureTest, AFullDiskEndsTheWriterWithTheFileClosed) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    ExportFile file;
    ASSERT_TRUE(file.Create("/dev/full"));
    EXPECT_FALSE(WriteRtfExport(file, 1, kPositionCount, Environment()));
    EXPECT_FALSE(file.IsOpen());
    ExpectFailureReported();
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
}

TEST_F(ExportFailureTest, APipeWithoutReaderFailsAtOnceInsteadOfHanging) {
    const std::string pipe = out.Path() + "x.txt";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(ExportVerseRange(Request("x", false), 1, 7, false, Environment()));
    ExpectFailureReported();
}

// A pipe or socket of the name is refused at once: no replace question, only text 85.
TEST_F(ExportFailureTest, APipeOrSocketOfTheNameGivesTheErrorWithoutTheQuestion) {
    const std::string pipe = out.Path() + "p.rtf";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string socketPath = out.Path() + "s.rtf";
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(s, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(s);
    for (const char* name : {"p", "s"}) {
        SCOPED_TRACE(name);
        prompt.boxes.clear();
        prompt.events.clear();
        EXPECT_EQ(ValidateExportRequest(Request(name), texts, prompt).failed, 0);
        EXPECT_TRUE(prompt.boxes.empty());
        EXPECT_FALSE(ExportVerseRange(Request(name), 1, 7, true, Environment()));
        ExpectFailureReported();
    }
    EXPECT_EQ(std::filesystem::status(pipe).type(), std::filesystem::file_type::fifo);
    EXPECT_EQ(std::filesystem::status(socketPath).type(), std::filesystem::file_type::socket);
}

// A write that fails once the first blocks are on the disk: the older file of the name stays
// byte for byte, and the temporary file is gone.
TEST_F(ExportFailureTest, AWriteFailingPartWayLeavesTheOlderFileAsItWas) {
    const std::string target = out.Path() + "x.rtf";
    test::WriteFile(target, "older export");
    ::chmod(target.c_str(), 0640);
    {
        // Files of this process may grow to little more than the first write of the export.
        struct FileSizeLimit {
            rlimit saved{};
            void (*handler)(int) = ::signal(SIGXFSZ, SIG_IGN);
            FileSizeLimit() {
                ::getrlimit(RLIMIT_FSIZE, &saved);
                rlimit small = saved;
                small.rlim_cur = 300 * 1024;
                ::setrlimit(RLIMIT_FSIZE, &small);
            }
            ~FileSizeLimit() {
                ::setrlimit(RLIMIT_FSIZE, &saved);
                ::signal(SIGXFSZ, handler);
            }
        } limit;
        EXPECT_FALSE(ExportVerseRange(Request("x"), 1, kPositionCount, true, Environment()));
    }
    ASSERT_EQ(prompt.boxes.size(), 2u); // the whole-text notice, then the failure
    EXPECT_EQ(prompt.boxes[1].message, "en#85");
    EXPECT_EQ(ReadFile(target), "older export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.Dir()),
                            std::filesystem::directory_iterator()),
              1);
    // Without the limit the same export replaces it and keeps its permissions.
    EXPECT_GT(Export(1, kPositionCount, true).size(), 300u * 1024);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(ExportFailureTest, ARangeOutsideTheTextWritesNothing) {
    for (auto [start, end] : {std::pair{0, 7}, std::pair{8, 7}, std::pair{1, 6347}}) {
        EXPECT_FALSE(ExportVerseRange(Request("x"), start, end, true, Environment()));
    }
    EXPECT_FALSE(std::filesystem::exists(out.Path() + "x.rtf"));
    EXPECT_TRUE(prompt.boxes.empty());
}

} // namespace
} // namespace lumra
