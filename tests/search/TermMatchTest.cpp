#include <gtest/gtest.h>

#include "search/TermMatch.h"

namespace lumra {
namespace {

TEST(WordLetters, AreTheAsciiLettersAndTheSixSwedishOnes) {
    for (const char* letters : {"AZaz", "\xC4\xC5\xD6\xE4\xE5\xF6"}) {
        for (const char* c = letters; *c != '\0'; ++c) {
            EXPECT_TRUE(IsWordLetter(static_cast<unsigned char>(*c))) << int(*c);
        }
    }
    for (const char* c = "09_' .-\xE9\xC9\xFC\xDC\xC0\x8A"; *c != '\0'; ++c) {
        EXPECT_FALSE(IsWordLetter(static_cast<unsigned char>(*c))) << int(*c);
    }
}

TEST(IsWholeWordMatch, NeedsABoundaryOnBothSides) {
    struct Case {
        const char* text;
        const char* term;
        int compareMode;
        int expected;
    };
    const Case cases[] = {
        {"goddess", "god", 1, 0},
        {"godly", "god", 1, 0},
        {"God's mercy", "god", 1, 1},
        {"by God.", "god", 1, 1},
        {"God_second line", "god", 1, 1},
        {"God", "god", 0, 0},
        {"God", "God", 0, 1},
        {"verse 13", "3", 1, 1},    // digits are no word letters
        {"caf\xE9", "caf", 1, 1},   // nor is e acute
        {"\xC5sa", "\xE5sa", 1, 1}, // A ring matches a ring
        {"\xC5sa", "\xE5sa", 0, 0},
        {"g\xE5va", "g", 1, 0}, // a ring joins the word
        {"the goddess and God", "god", 1, 1},
        {"", "god", 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsWholeWordMatch(c.text, c.term, c.compareMode), c.expected)
            << c.text << " / " << c.term << " / " << c.compareMode;
    }
}

TEST(IsWholeWordMatch, RestartsOneCharacterBeyondTheCharacterAfterAFailedOccurrence) {
    // The whole-word "a." at 4 is skipped: the search goes on at 5 after the failure at 2.
    EXPECT_EQ(IsWholeWordMatch("ba.a.", "a.", 0), 0);
    // One character further it is found.
    EXPECT_EQ(IsWholeWordMatch("ba. a.", "a.", 0), 1);
}

} // namespace
} // namespace lumra
