// The companion window's panes on the program folder of the build, held against its data
// files: the openings, 1:1, 2:255, 9:127 with the two verses it carries, and 114:6, in English
// and, after L, in Swedish, and after Z.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "AppHarness.h"
#include "corpus/CorpusLoader.h"
#include "lumra/ExpectedCompanion.h"
#include "platform/Cp1252Qt.h"
#include "toolkit/RichTextBox.h"
#include "windows/CompanionWindow.h"
#include "windows/MainWindow.h"

namespace lumra {
namespace {

namespace fs = std::filesystem;

std::vector<QString> DataLines(const std::string& name) {
    std::ifstream in(std::string(LUMRA_BUILT_PROGRAM_DIR) + name, std::ios::binary);
    std::vector<QString> lines(1); // position 0 has none
    for (std::string line; std::getline(in, line);) {
        lines.push_back(QString::fromStdString(line));
    }
    return lines;
}

// The verse end sign and the number in Arabic-Indic digits.
QString VerseEnd(int verse) {
    QString end(QChar(0x06DD));
    for (const QChar d : QString::number(verse)) {
        end += QChar(0x0660 + d.digitValue());
    }
    return end;
}

// What the original pane must show at a position of the file's line.
QString ExpectedOriginal(const QString& line, int position) {
    const auto p = static_cast<std::int16_t>(position);
    const int verse = VerseOfPosition(p);
    if (verse == 0) {
        return line;
    }
    if (position != PositionOf(9, 127)) {
        return line + QLatin1Char(' ') + VerseEnd(verse);
    }
    const QStringList parts = line.split(QRegularExpression(QStringLiteral(" \\[9:12[89]\\] ")));
    EXPECT_EQ(parts.size(), 3) << "9:127 carries 9:128 and 9:129, each after its mark";
    QString shown;
    for (qsizetype k = 0; k < parts.size(); ++k) {
        shown += (k == 0 ? QString() : QStringLiteral(" ")) + parts[k] + QLatin1Char(' ') +
                 VerseEnd(127 + static_cast<int>(k));
    }
    return shown;
}

TEST(CompanionPanes, HoldTheDataFilesInBothLanguagesAfterLAndAfterZ) {
    test::AppHarness h;
    for (const auto& entry : fs::directory_iterator(LUMRA_BUILT_PROGRAM_DIR)) {
        if (entry.is_regular_file()) {
            fs::copy_file(entry.path(), h.folder.Dir() / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
        }
    }
    h.companionExpected = kExpectedCompanion;
    Application& app = h.Create(1033);
    ASSERT_TRUE(h.Start());
    MainWindow& main = app.Main();
    main.show();
    QTest::keyClick(&main, Qt::Key_O);
    auto* window = app.Loaded<CompanionWindow>();
    ASSERT_NE(window, nullptr);
    const auto pane = [&](const char* name) {
        return window->findChild<RichTextBox*>(QLatin1String(name));
    };
    const std::vector<QString> original = DataLines(kOriginalFileName);
    const std::vector<QString> transliteration = DataLines(kTransliterationFileName);
    ASSERT_EQ(original.size(), static_cast<std::size_t>(kPositionCount + 1));
    ASSERT_EQ(transliteration.size(), static_cast<std::size_t>(kPositionCount + 1));

    std::vector<int> positions = {PositionOf(1, 1), PositionOf(2, 255), PositionOf(9, 127),
                                  PositionOf(114, 6)};
    for (std::int16_t s = 2; s <= kSuraCount; ++s) {
        if (kSuras.HasOpening[static_cast<std::size_t>(s)] == 1) {
            positions.push_back(PositionOf(s, 0));
        }
    }
    ASSERT_EQ(positions.size(), 4u + 112u);

    const auto check = [&](const char* other, const std::string& when) {
        const auto corpus = LoadCorpus(h.folder.Path(), other, app.State().texts);
        ASSERT_TRUE(corpus.ok()) << other;
        for (const int p : positions) {
            main.RenderPosition(p);
            QCoreApplication::processEvents(); // the panes follow from the event loop
            const auto at = static_cast<std::size_t>(p);
            const std::string where = when + " at position " + std::to_string(p);
            EXPECT_EQ(pane("RTB1")->UnicodeText(), ExpectedOriginal(original[at], p)) << where;
            EXPECT_EQ(pane("RTB2")->UnicodeText(), transliteration[at]) << where;
            const QString reference = QStringLiteral("[%1:%2]\n")
                                          .arg(SuraOfPosition(static_cast<std::int16_t>(p)))
                                          .arg(VerseOfPosition(static_cast<std::int16_t>(p)));
            const QString shown = pane("RTB3")->UnicodeText();
            EXPECT_TRUE(shown.endsWith(reference + FromCp1252(corpus.corpus->verseText[at])))
                << where;
            if (corpus.corpus->HasSubtitle(p)) {
                QString subtitle = FromCp1252(std::string(corpus.corpus->SubtitleOf(p)));
                subtitle.replace(QLatin1Char('_'), QLatin1Char('\n'));
                EXPECT_TRUE(shown.startsWith(subtitle + QStringLiteral("\n\n"))) << where;
            }
        }
    };
    check("sv", "in English");
    QTest::keyClick(&main, Qt::Key_L);
    ASSERT_EQ(app.State().LanguageCode(), "sv");
    check("en", "after L");

    const double before = pane("RTB1")->font().pointSizeF();
    QTest::keyClick(&main, Qt::Key_Z);
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(pane("RTB1")->font().pointSizeF(), before + 1.75);
    check("en", "after Z");
    EXPECT_EQ(QFontInfo(pane("RTB1")->font()).family(), QStringLiteral("Amiri Quran"));
}

} // namespace
} // namespace lumra
