#include "platform/RtfReader.h"

#include "platform/RtfTestDocuments.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace lumra {
namespace {

using test::kBodyParagraph;
using test::kListHeader;
using test::kPageHeader;

QString Shown(const std::string& rtf) {
    QTextDocument document;
    ReadRtf(rtf, document);
    return ShownText(document);
}

QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}

// Reads a document once and answers questions about the text in it.
class Read {
public:
    explicit Read(const std::string& rtf) { ReadRtf(rtf, document_); }

    QString Text() const { return ShownText(document_); }
    QTextCharFormat CharsOf(const QString& needle) const { return Find(needle).charFormat(); }
    QTextBlockFormat BlockOf(const QString& needle) const { return Find(needle).blockFormat(); }
    QColor TextColourOf(const QString& needle) const {
        const QTextCharFormat f = CharsOf(needle);
        return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor();
    }
    QColor BackgroundOf(const QString& needle) const {
        const QTextCharFormat f = CharsOf(needle);
        return f.hasProperty(QTextFormat::BackgroundBrush) ? f.background().color() : QColor();
    }
    const QTextDocument& Document() const { return document_; }

private:
    QTextCursor Find(const QString& needle) const {
        QTextCursor found = document_.find(needle, 0, QTextDocument::FindCaseSensitively);
        EXPECT_FALSE(found.isNull()) << "not in the document: " << needle.toStdString();
        return found;
    }
    QTextDocument document_;
};

const QColor kBlack(0, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kCyan(0, 255, 255);
const QColor kViolet(255, 192, 255);

TEST(RtfReaderColours, IndexesTheColourTableOfTheDocument) {
    const Read r(kListHeader + "aa\\cf3 bb\\cf0 cc\\cf1 dd\\cf4 ee\\cf5 ff\\cf99999999999 gg }");
    EXPECT_EQ(r.TextColourOf(QStringLiteral("aa")), kWhite);
    EXPECT_EQ(r.TextColourOf(QStringLiteral("bb")), kCyan);
    EXPECT_EQ(r.TextColourOf(QStringLiteral("cc")), kBlack);
    EXPECT_EQ(r.TextColourOf(QStringLiteral("dd")), kYellow);
    EXPECT_EQ(r.TextColourOf(QStringLiteral("ee")), kViolet);
    // Past the table: the view's own colour.
    EXPECT_FALSE(r.TextColourOf(QStringLiteral("ff")).isValid());
    EXPECT_FALSE(r.TextColourOf(QStringLiteral("gg")).isValid());
}

TEST(RtfReaderColours, AutoEntryHighlightAndBackground) {
    const Read r("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red1\\green2\\blue3}"
                 "\\cf0 aa\\cf1 bb\\highlight1 cc\\highlight0 dd\\cb2 ee\\cf2 ff}");
    EXPECT_FALSE(r.TextColourOf(QStringLiteral("aa")).isValid());
    EXPECT_EQ(r.TextColourOf(QStringLiteral("bb")), QColor(255, 0, 0));
    EXPECT_EQ(r.BackgroundOf(QStringLiteral("cc")), QColor(255, 0, 0));
    EXPECT_FALSE(r.BackgroundOf(QStringLiteral("dd")).isValid());
    // The last entry counts even without its closing ';'.
    EXPECT_EQ(r.BackgroundOf(QStringLiteral("ee")), QColor(1, 2, 3));
    EXPECT_EQ(r.TextColourOf(QStringLiteral("ff")), QColor(1, 2, 3));
}

TEST(RtfReaderColours, ColourUsedBeforeTheTableStillShowsItsText) {
    const Read r("{\\rtf\\cf3 xx" + test::kColourTable + "\\cf3 yy}");
    EXPECT_EQ(r.Text(), QStringLiteral("xxyy"));
    EXPECT_EQ(r.TextColourOf(QStringLiteral("yy")), kCyan);
}

TEST(RtfReaderCharacters, FontSizesInHalfPointsAreClamped) {
    const Read r("{\\rtf aa\\fs30 bb\\fs99999999999 cc\\fs1 dd\\fs-40 ee\\fs ff\\fs0 gg}");
    EXPECT_DOUBLE_EQ(r.CharsOf(QStringLiteral("aa")).fontPointSize(), 12.0);
    EXPECT_DOUBLE_EQ(r.CharsOf(QStringLiteral("bb")).fontPointSize(), 15.0);
    EXPECT_DOUBLE_EQ(r.CharsOf(QStringLiteral("cc")).fontPointSize(), 400.0);
    EXPECT_DOUBLE_EQ(r.CharsOf(QStringLiteral("dd")).fontPointSize(), 1.0);
    EXPECT_DOUBLE_EQ(r.CharsOf(QStringLiteral("ee")).fontPointSize(), 1.0);
    EXPECT_DOUBLE_EQ(r.CharsOf(QStringLiteral("ff")).fontPointSize(), 12.0);
    EXPECT_DOUBLE_EQ(r.CharsOf(QStringLiteral("gg")).fontPointSize(), 1.0);
}

TEST(RtfReaderCharacters, StylesSwitchOnAndOff) {
    const Read r("{\\rtf\\b aa\\b0 bb\\i cc\\i0 dd\\ul ee\\ulnone ff\\uldb gg\\ul0 hh\\strike ii"
                 "\\strike0\\b1 jj}");
    EXPECT_TRUE(r.CharsOf(QStringLiteral("aa")).font().bold());
    EXPECT_FALSE(r.CharsOf(QStringLiteral("bb")).font().bold());
    EXPECT_TRUE(r.CharsOf(QStringLiteral("cc")).fontItalic());
    EXPECT_FALSE(r.CharsOf(QStringLiteral("dd")).fontItalic());
    EXPECT_TRUE(r.CharsOf(QStringLiteral("ee")).fontUnderline());
    EXPECT_FALSE(r.CharsOf(QStringLiteral("ff")).fontUnderline());
    EXPECT_TRUE(r.CharsOf(QStringLiteral("gg")).fontUnderline());
    EXPECT_FALSE(r.CharsOf(QStringLiteral("hh")).fontUnderline());
    EXPECT_TRUE(r.CharsOf(QStringLiteral("ii")).fontStrikeOut());
    EXPECT_TRUE(r.CharsOf(QStringLiteral("jj")).font().bold());
    EXPECT_FALSE(r.CharsOf(QStringLiteral("jj")).fontStrikeOut());
}

TEST(RtfReaderCharacters, PlainResetsAndGroupsRestore) {
    const Read r(kListHeader + "\\b\\i\\ul\\fs40\\cf3 aa\\plain bb{\\b\\cf4\\fs60 cc}dd }");
    const QTextCharFormat aa = r.CharsOf(QStringLiteral("aa"));
    EXPECT_TRUE(aa.font().bold());
    EXPECT_DOUBLE_EQ(aa.fontPointSize(), 20.0);
    const QTextCharFormat bb = r.CharsOf(QStringLiteral("bb"));
    EXPECT_FALSE(bb.font().bold());
    EXPECT_FALSE(bb.fontItalic());
    EXPECT_FALSE(bb.fontUnderline());
    EXPECT_DOUBLE_EQ(bb.fontPointSize(), 12.0);
    EXPECT_FALSE(r.TextColourOf(QStringLiteral("bb")).isValid());
    EXPECT_EQ(r.TextColourOf(QStringLiteral("cc")), kViolet);
    EXPECT_DOUBLE_EQ(r.CharsOf(QStringLiteral("cc")).fontPointSize(), 30.0);
    EXPECT_FALSE(r.CharsOf(QStringLiteral("dd")).font().bold());
    EXPECT_DOUBLE_EQ(r.CharsOf(QStringLiteral("dd")).fontPointSize(), 12.0);
}

TEST(RtfReaderCharacters, CodePageBytesUnicodeAndFallbacks) {
    EXPECT_EQ(Shown("{\\rtf \\'e5\\'C5\\'80\xe5\x80}"), Q(u"åÅ€å€"));
    EXPECT_EQ(Shown("{\\rtf \\u229?x}"), Q(u"åx"));
    EXPECT_EQ(Shown("{\\rtf \\u8364\\'80x}"), Q(u"€x"));
    EXPECT_EQ(Shown("{\\rtf \\uc2\\u229 abx}"), Q(u"åx"));
    EXPECT_EQ(Shown("{\\rtf \\uc0\\u229 x}"), Q(u"åx"));
    // \uc belongs to its group; a group start or end also ends the fallback.
    EXPECT_EQ(Shown("{\\rtf {\\uc2\\u229 ab}\\u229 cd{\\u229}e}"), Q(u"åådåe"));
    EXPECT_EQ(Shown("{\\rtf \\uc2\\u229{x}y}"), Q(u"åxy"));
    // Negative values count from 65536; a surrogate pair makes one character.
    EXPECT_EQ(Shown("{\\rtf \\u-255?}"), Q(u"\uFF01"));
    EXPECT_EQ(Shown("{\\rtf \\u-10179?\\u-8704?}"), Q(u"\U0001F600"));
    EXPECT_EQ(Shown("{\\rtf \\u55357?x}"), Q(u"\uFFFDx"));
}

TEST(RtfReaderCharacters, SymbolsAndEscapes) {
    EXPECT_EQ(Shown("{\\rtf \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet}"),
              Q(u"—–‘’“”•"));
    EXPECT_EQ(Shown("{\\rtf a\\~b\\_c\\-d\\\\\\{\\}\\tab e}"), Q(u"a\u00A0b-cd\\{}\te"));
}

TEST(RtfReaderParagraphs, BreaksAndAlignment) {
    const Read r(
        "{\\rtf\\qc aa\\par bb\\par\\pard cc\\par\\qr dd\\par\\qj ee\\line ff\\par\\ql gg}");
    EXPECT_EQ(r.Document().blockCount(), 6);
    EXPECT_EQ(r.Text(), Q(u"aa\r\nbb\r\ncc\r\ndd\r\nee\r\nff\r\ngg"));
    EXPECT_EQ(r.BlockOf(QStringLiteral("aa")).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(r.BlockOf(QStringLiteral("bb")).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(r.BlockOf(QStringLiteral("cc")).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
    EXPECT_EQ(r.BlockOf(QStringLiteral("dd")).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(r.BlockOf(QStringLiteral("ff")).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignJustify);
    EXPECT_EQ(r.BlockOf(QStringLiteral("gg")).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
}

TEST(RtfReaderParagraphs, IndentsAndSpacingInTwips) {
    const Read r("{\\rtf\\li720\\ri1440\\fi-360\\sb240\\sa120 aa\\par\\pard bb\\par"
                 "\\li99999999999 cc}");
    const QTextBlockFormat aa = r.BlockOf(QStringLiteral("aa"));
    EXPECT_DOUBLE_EQ(aa.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(aa.rightMargin(), 96.0);
    EXPECT_DOUBLE_EQ(aa.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(aa.topMargin(), 16.0);
    EXPECT_DOUBLE_EQ(aa.bottomMargin(), 8.0);
    EXPECT_DOUBLE_EQ(r.BlockOf(QStringLiteral("bb")).leftMargin(), 0.0);
    EXPECT_LE(r.BlockOf(QStringLiteral("cc")).leftMargin(), 31680 / 15.0);
}

TEST(RtfReaderParagraphs, LastParagraphKeepsItsFormatWhenTheDocumentCloses) {
    const Read r("{\\rtf\\qc centred}");
    EXPECT_EQ(r.BlockOf(QStringLiteral("centred")).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

TEST(RtfReaderPages, VersePageShowsItsParts) {
    const Read r(test::VersePage("The Opening", "[1:1]",
                                 "In the name of God, " + test::kHitStyle + "Most" +
                                     test::kReferenceSuffix + " Gracious"));
    EXPECT_EQ(r.Text(), Q(u"The Opening\r\n\r\n[1:1]\r\nIn the name of God, Most "
                          u"Gracious\r\n\r\n "));
    const QTextCharFormat subtitle = r.CharsOf(QStringLiteral("Opening"));
    EXPECT_TRUE(subtitle.font().bold());
    EXPECT_DOUBLE_EQ(subtitle.fontPointSize(), 10.0);
    EXPECT_EQ(r.TextColourOf(QStringLiteral("Opening")), kViolet);
    EXPECT_EQ(r.BlockOf(QStringLiteral("Opening")).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(r.TextColourOf(QStringLiteral("[1:1]")), kCyan);
    EXPECT_TRUE(r.CharsOf(QStringLiteral("[1:1]")).font().bold());
    EXPECT_EQ(r.TextColourOf(QStringLiteral("God")), kWhite);
    EXPECT_FALSE(r.CharsOf(QStringLiteral("God")).font().bold());
    EXPECT_EQ(r.BlockOf(QStringLiteral("God")).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
    EXPECT_EQ(r.TextColourOf(QStringLiteral("Most")), kYellow);
    EXPECT_EQ(r.TextColourOf(QStringLiteral("Gracious")), kWhite);
}

TEST(RtfReaderPages, EmptyParagraphsTakeTheLookAtTheirMark) {
    // A page without subtitle opens with two empty paragraphs at the reading size.
    const Read r(kPageHeader + kBodyParagraph + kBodyParagraph + "\\fs30 x }");
    const QTextBlock first = r.Document().begin();
    EXPECT_TRUE(first.text().isEmpty());
    EXPECT_DOUBLE_EQ(first.charFormat().fontPointSize(), 10.0);
    EXPECT_DOUBLE_EQ(first.next().charFormat().fontPointSize(), 10.0);
}

TEST(RtfReaderPages, SubtitleOnTwoLinesIsCentredTwice) {
    const Read r(kPageHeader + "First" + test::kSecondSubtitleLine + "Second" + kBodyParagraph +
                 "Verse }");
    EXPECT_EQ(r.Text(), Q(u"First\r\nSecond\r\nVerse "));
    EXPECT_EQ(r.BlockOf(QStringLiteral("Second")).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(r.TextColourOf(QStringLiteral("Second")), kViolet);
}

TEST(RtfReaderDestinations, SkipsWhatIsNotText) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Title}{\\author Someone}}"
        "{\\*\\generator Writer 1.0;}{\\header Head}{\\footer Foot}"
        "{\\*\\shppict{\\pict\\pngblip 89504e47}}{\\pict\\bin4 }}}}}{\\*\\unknown Unknown}"
        "\\uc1\\pard\\f0\\fs20 visible {\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}"
        " \\v hidden\\v0 shown\\par}";
    EXPECT_EQ(Shown(rtf), QStringLiteral("visible link shown\r\n"));
}

TEST(RtfReaderDestinations, DestinationWordsInRunningTextHideNothing) {
    EXPECT_EQ(Shown("{\\rtf aa\\*bb\\fonttbl cc{dd\\pict ee}}"), QStringLiteral("aabbccddee"));
    EXPECT_EQ(Shown("\\fonttbl aa"), QStringLiteral("aa"));
    EXPECT_EQ(Shown("{\\rtf\\colortbl aa}"), QStringLiteral("aa"));
}

TEST(RtfReaderMalformed, TextAfterTheFaultStillShows) {
    const char kWithNuls[] = "{\\rtf a\0b\0\\\0c}";
    struct Case {
        std::string rtf;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"{\\rtf aa}}}} bb}", QStringLiteral("aa bb")},
        {"}}}{\\rtf aa", QStringLiteral("aa")},
        {"{\\rtf{{{ aa", QStringLiteral(" aa")},
        {"{\\rtf aa\\", QStringLiteral("aa")},
        {"{\\rtf aa\\u", QStringLiteral("aa")},
        {"{\\rtf \\u}bb", QStringLiteral("bb")},
        {"{\\rtf \\u-x}", QStringLiteral("-x")},
        {"{\\rtf \\u99999999999?bb}", Q(u"\uFFFDbb")},
        {"{\\rtf \\fs99999999999 big}", QStringLiteral("big")},
        {"{\\rtf \\'", QString()},
        {"{\\rtf \\'zz}", QStringLiteral("zz")},
        {"{\\rtf \\'4x}", QStringLiteral("x")},
        {"{\\rtf \\123 \\\xe5}", Q(u"123 å")},
        {std::string(kWithNuls, sizeof kWithNuls - 1), QStringLiteral("abc")},
        {"{\\rtf \\" + std::string(100000, 'a') + "1 bb}", QStringLiteral("bb")},
        {"{\\rtf {\\colortbl;\\red999999999\\green-5\\blue", QString()},
        {"{\\rtf {\\pict\\bin99999999999 aa}}", QString()},
        {"{\\rtf \\u8233?a\\u64976?b\\u65532?c}", Q(u"\r\na\uFFFDb\uFFFDc")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shown(c.rtf), c.expected) << c.rtf.substr(0, 60);
    }
}

TEST(RtfReaderMalformed, DeepNestingNeitherCrashesNorHidesText) {
    const std::string open(100000, '{');
    const std::string close(100000, '}');
    EXPECT_EQ(Shown(open + "\\b deep" + close + "after"), QStringLiteral("deepafter"));
    EXPECT_EQ(Shown(open + "unclosed"), QStringLiteral("unclosed"));
    EXPECT_EQ(Shown(close + "first" + open), QStringLiteral("first"));
    const Read r(open + "\\b deep" + close + "after");
    EXPECT_TRUE(r.CharsOf(QStringLiteral("deep")).font().bold());
    EXPECT_FALSE(r.CharsOf(QStringLiteral("after")).font().bold());
}

TEST(RtfReaderMalformed, RandomInputIsSurvivedAndTheTailShows) {
    // Mostly RTF syntax, with any byte at all mixed in.
    const std::string alphabet = "{}\\\\\\\\'*;-0123456789 abcfilpqrsuvx";
    std::mt19937 random(20240519);
    for (int round = 0; round < 400; ++round) {
        std::string rtf;
        const int length = static_cast<int>(random() % 3000);
        int opened = 0;
        for (int i = 0; i < length; ++i) {
            const char c = random() % 8 == 0 ? static_cast<char>(random() % 256)
                                             : alphabet[random() % alphabet.size()];
            opened += c == '{';
            rtf.push_back(c);
        }
        const bool binary = rtf.find("bin") != std::string::npos;
        rtf += std::string(static_cast<std::size_t>(opened) + 1, '}') + "\\plain TAIL";
        const QString shown = Shown(rtf);
        if (!binary) {
            EXPECT_TRUE(shown.endsWith(QStringLiteral("TAIL"))) << "round " << round;
        }
    }
}

TEST(RtfReaderLarge, OneMegabyteDocumentIsReadWhole) {
    std::string rtf = kPageHeader;
    int verses = 0;
    while (rtf.size() < (1u << 20)) {
        rtf += "Sub\\'e5title" + kBodyParagraph + test::kReferencePrefix +
               "[2:" + std::to_string(++verses) + "]" + test::kReferenceSuffix + kBodyParagraph +
               "Some words of the verse, " + test::kHitStyle + "found" + test::kReferenceSuffix +
               " and more words after it." + kBodyParagraph + kBodyParagraph;
    }
    rtf += test::kDocumentEnd;
    QTextDocument document;
    ReadRtf(rtf, document);
    const QString text = ShownText(document);
    EXPECT_EQ(document.blockCount(), 4 * verses + 1);
    EXPECT_TRUE(text.contains(QStringLiteral("[2:%1]").arg(verses)));
}

// The longest stretch of a block's text with nowhere to break a line.
int LongestUnbrokenRun(const QTextDocument& document) {
    int longest = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        int run = 0;
        for (const QChar ch : block.text()) {
            const char16_t u = ch.unicode();
            run =
                (u == u' ' || u == u'-' || u == 0x200B || u == QChar::LineSeparator) ? 0 : run + 1;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

TEST(RtfReaderLarge, AWordWithNowhereToBreakGetsBreakOpportunitiesButShowsUnchanged) {
    // Laying out a megabyte without a break opportunity would freeze the window for minutes.
    const std::string word(1u << 20, 'x');
    const Read plain(kListHeader + word + "}");
    EXPECT_EQ(plain.Text(), QString::fromStdString(word));
    EXPECT_LE(LongestUnbrokenRun(plain.Document()), 200);

    // Across format changes, paragraphs and code-page bytes; surrogate pairs stay whole.
    std::string mixed = kListHeader;
    QString expected;
    for (int i = 0; i < 3000; ++i) {
        mixed += i % 7 == 0    ? "{\\b ab}"
                 : i % 11 == 0 ? "\\'e5"
                 : i % 13 == 0 ? "\\u55357?\\u56832?"
                               : "cd";
        expected += i % 7 == 0    ? Q(u"ab")
                    : i % 11 == 0 ? Q(u"\u00e5")
                    : i % 13 == 0 ? Q(u"\U0001F600")
                                  : Q(u"cd");
    }
    mixed += kBodyParagraph + std::string(500, 'y') + "}";
    expected += Q(u"\r\n") + QString(500, u'y');
    const Read r(mixed);
    EXPECT_EQ(r.Text(), expected);
    EXPECT_LE(LongestUnbrokenRun(r.Document()), 201);

    // Ordinary text gains nothing.
    const Read words(kListHeader + "In the name of God, the Gracious, the Merciful.}");
    EXPECT_FALSE(words.Document().toPlainText().contains(QChar(0x200B)));
}

} // namespace
} // namespace lumra
