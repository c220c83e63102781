#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "search/QueryParser.h"

namespace lumra {
namespace {

using Terms = std::vector<std::pair<std::string, TermKind>>;

constexpr auto P = TermKind::Plain;
constexpr auto R = TermKind::Required;
constexpr auto E = TermKind::Excluded;

Terms Parse(const std::string& query, bool* ok = nullptr) {
    SearchState state;
    const bool parsed = ParseQuery(query, state);
    if (ok != nullptr) {
        *ok = parsed;
    }
    Terms terms;
    for (int k = 1; k <= state.termCount; ++k) {
        terms.emplace_back(state.terms[static_cast<std::size_t>(k)].text,
                           state.terms[static_cast<std::size_t>(k)].kind);
    }
    for (int k = state.termCount + 1; k <= kMaxTerms; ++k) {
        EXPECT_TRUE(state.terms[static_cast<std::size_t>(k)].text.empty()) << query << " " << k;
    }
    return terms;
}

TEST(ParseQuery, OperatorsGiveTheKindsOfTheTermsTheyBegin) {
    const std::vector<std::pair<std::string, Terms>> cases = {
        {"mercy", {{"mercy", P}}},
        {"mercy/grace", {{"mercy", P}, {"grace", P}}},
        {"+mercy+grace", {{"mercy", R}, {"grace", R}}},
        {"mercy\\grace", {{"mercy", P}, {"grace", E}}},
        {"the last day", {{"the last day", P}}},
        {"mercy + grace", {{"mercy", P}, {"grace", R}}},
        {"\\grace", {{"grace", E}}},
        {"/grace", {{"grace", P}}},
        {"  mercy  /  grace ", {{"mercy", P}, {"grace", P}}},
        {"+ mercy", {{"mercy", R}}},
    };
    for (const auto& [query, expected] : cases) {
        EXPECT_EQ(Parse(query), expected) << query;
    }
}

TEST(ParseQuery, AnOperatorTakesTheNextCharacterAndDropsASecondOperator) {
    const std::vector<std::pair<std::string, Terms>> cases = {
        // A trailing operator begins an empty term, which is removed.
        {"grace+", {{"grace", P}}},
        // The backslash right after the plus is dropped: grace stays required.
        {"mercy+\\grace", {{"mercy", P}, {"grace", R}}},
        {"++grace", {{"grace", R}}},
        {"a//b", {{"a", P}, {"b", P}}},
        // The third plus is an operator of its own; the empty term between goes.
        {"a+++b", {{"a", P}, {"b", R}}},
        // Removing the empty second term moves the third up with its own kind.
        {"a+ \\b", {{"a", P}, {"b", E}}},
        {"+ /\\grace", {{"grace", P}}},
    };
    for (const auto& [query, expected] : cases) {
        EXPECT_EQ(Parse(query), expected) << query;
    }
}

TEST(ParseQuery, AQueryWithoutTermsFails) {
    for (const std::string query : {"", " ", "    ", "+", "/", "\\", "+/\\", "+ ", " / + "}) {
        bool ok = true;
        EXPECT_TRUE(Parse(query, &ok).empty()) << query;
        EXPECT_FALSE(ok) << query;
    }
    bool ok = false;
    Parse("x", &ok);
    EXPECT_TRUE(ok);
}

TEST(ParseQuery, TheScanEndsOnceTerm255HasBegun) {
    std::string query = "t1";
    for (int k = 2; k <= 300; ++k) {
        query += "/t" + std::to_string(k);
    }
    const Terms terms = Parse(query);
    ASSERT_EQ(terms.size(), 255u);
    EXPECT_EQ(terms[0].first, "t1");
    EXPECT_EQ(terms[253].first, "t254");
    // Term 255 keeps only the character its operator took with it.
    EXPECT_EQ(terms[254].first, "t");
}

TEST(ParseQuery, AnyQueryGivesTrimmedNonEmptyTermsWithinTheLimit) {
    std::mt19937 random(19);
    const std::string alphabet = "ab +/\\";
    for (int round = 0; round < 2000; ++round) {
        std::string query(random() % 700, ' ');
        for (char& c : query) {
            c = alphabet[random() % alphabet.size()];
        }
        SearchState state;
        const bool ok = ParseQuery(query, state);
        ASSERT_EQ(ok, state.termCount >= 1) << query;
        ASSERT_LE(state.termCount, kMaxTerms);
        for (int k = 1; k <= state.termCount; ++k) {
            const std::string& t = state.terms[static_cast<std::size_t>(k)].text;
            ASSERT_FALSE(t.empty()) << query;
            ASSERT_NE(t.front(), ' ') << query;
            ASSERT_NE(t.back(), ' ') << query;
            ASSERT_EQ(t.find_first_of("+/\\"), std::string::npos) << query;
        }
    }
}

TEST(ParseQuery, ALaterParseLeavesNoTermOfAnEarlierOne) {
    SearchState state;
    ASSERT_TRUE(ParseQuery("a/b/c/d", state));
    ASSERT_TRUE(ParseQuery("+x", state));
    EXPECT_EQ(state.termCount, 1);
    EXPECT_EQ(state.terms[1].text, "x");
    EXPECT_EQ(state.terms[1].kind, R);
    EXPECT_TRUE(state.terms[2].text.empty());
    EXPECT_EQ(state.terms[2].kind, P);
}

} // namespace
} // namespace lumra
