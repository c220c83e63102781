// Every line of the original as shown, laid out with the faces the companion window uses: each
// character drawn by a face of the list (no fallback face, no missing-glyph box) and each line
// laid out right to left.

#include "SuraTable.h"
#include "companion/CompanionText.h"
#include "lumra/ExpectedCompanion.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <map>

namespace lumra {
namespace {

QStringList Faces() {
    return {QStringLiteral("Amiri Quran"), QStringLiteral("Amiri")};
}
// The window's original at 1.75 times the default reading size of 10 points.
constexpr double kPointSize = 17.5;

struct Shaped {
    bool rightToLeft = false;
    int missingGlyphs = 0;
    std::map<QString, int> glyphsByFace; // glyphs drawn per family
};

Shaped Shape(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6); // one line, so that its ends tell the direction
    layout.endLayout();
    Shaped shaped;
    // The paragraph's direction as the layout resolved it: the first character stands at the
    // right end of a right-to-left line, at the left end of a left-to-right one.
    shaped.rightToLeft = line.cursorToX(0) > line.cursorToX(static_cast<int>(text.size()));
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QString family = run.rawFont().familyName();
        for (const quint32 glyph : run.glyphIndexes()) {
            shaped.missingGlyphs += glyph == 0 ? 1 : 0;
            ++shaped.glyphsByFace[family];
        }
    }
    return shaped;
}

// The first face of the list that has the character, empty if none has it.
QString FaceOf(char32_t c, const std::vector<std::pair<QString, QRawFont>>& faces) {
    for (const auto& [name, raw] : faces) {
        if (raw.supportsCharacter(static_cast<uint>(c))) {
            return name;
        }
    }
    return {};
}

TEST(OriginalShaping, EveryLineIsDrawnByTheChosenFacesRightToLeft) {
    const QStringList kFaces = Faces();
    for (const QString& family : kFaces) {
        ASSERT_TRUE(QFontDatabase::families().contains(family))
            << family.toStdString() << " is not installed (Debian's fonts-hosny-amiri)";
    }
    const std::optional<CompanionText> text =
        LoadCompanionText(LUMRA_BUILT_PROGRAM_DIR, kExpectedCompanion);
    ASSERT_TRUE(text);
    QFont font;
    font.setFamilies(kFaces);
    font.setPointSizeF(kPointSize);
    std::vector<std::pair<QString, QRawFont>> faces;
    for (const QString& family : kFaces) {
        QFont one(family);
        one.setPointSizeF(kPointSize);
        faces.emplace_back(family, QRawFont::fromFont(one, QFontDatabase::Arabic));
        ASSERT_EQ(faces.back().second.familyName(), family);
    }

    // The check itself tells a left-to-right line from a right-to-left one.
    ASSERT_FALSE(Shape(QStringLiteral("In the name of God"), font).rightToLeft);

    std::map<char32_t, QString> faceOfCharacter;
    int failures = 0;
    for (int p = 1; p <= kPositionCount; ++p) {
        const QString line = QString::fromStdString(OriginalShown(*text, p));
        const Shaped shaped = Shape(line, font);
        bool lineFails = !shaped.rightToLeft || shaped.missingGlyphs != 0;
        for (const auto& [family, count] : shaped.glyphsByFace) {
            lineFails = lineFails || !kFaces.contains(family);
        }
        for (const char32_t c : line.toUcs4()) {
            auto [it, added] = faceOfCharacter.try_emplace(c);
            if (added) {
                it->second = FaceOf(c, faces);
            }
            lineFails = lineFails || it->second.isEmpty();
        }
        if (lineFails && ++failures <= 5) {
            std::string faceList;
            for (const auto& [family, count] : shaped.glyphsByFace) {
                faceList += " " + family.toStdString() + ":" + std::to_string(count);
            }
            ADD_FAILURE() << "position " << p << ": right to left " << shaped.rightToLeft
                          << ", missing glyphs " << shaped.missingGlyphs << ", faces" << faceList;
        }
    }
    EXPECT_EQ(failures, 0);
    // U+065E is not in the Quran face; Amiri draws it.
    ASSERT_TRUE(faceOfCharacter.contains(U'\u065E'));
    EXPECT_EQ(faceOfCharacter[U'\u065E'].toStdString(), "Amiri");
    for (const auto& [c, face] : faceOfCharacter) {
        if (face != kFaces.front()) {
            std::printf("U+%04X is drawn by %s\n", static_cast<unsigned>(c),
                        face.isEmpty() ? "no face of the list" : face.toStdString().c_str());
        }
    }
}

} // namespace
} // namespace lumra
