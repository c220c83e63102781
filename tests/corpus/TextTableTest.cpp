#include <gtest/gtest.h>

#include "corpus/DataFile.h"
#include "corpus/TextTable.h"

namespace lumra {
namespace {

TEST(TextTable, AdoptedFileBytesBecomeTheTextsFromIndexOne) {
    TextTable table(5);
    const std::string bytes = "first\r\nsecond\r\n\r\nlast";
    table.Adopt(bytes, LineSpans(bytes));
    EXPECT_EQ(table[0], "");
    EXPECT_EQ(table[1], "first");
    EXPECT_EQ(table[2], "second");
    EXPECT_EQ(table[3], "");
    EXPECT_EQ(table[4], "last");
    EXPECT_EQ(table.size(), 5u);

    // More spans than places: the extra ones are dropped; a span outside the bytes is empty.
    TextTable small(3);
    small.Adopt("abcdef", {{0, 2}, {2, 2}, {4, 2}}, 1);
    EXPECT_EQ(small[1], "ab");
    EXPECT_EQ(small[2], "cd");
    small.Adopt("abcdef", {{4, 3}, {7, 0}, {1, 1}}, 0);
    EXPECT_EQ(small[0], "");
    EXPECT_EQ(small[1], "");
    EXPECT_EQ(small[2], "b");
}

TEST(TextTable, SetTextsSurviveCopiesAndAnAdoptionStartsAfresh) {
    TextTable table(4);
    table.Adopt("one two", {{0, 3}, {4, 3}});
    table.Set(3, "three");
    table.Set(1, table[2]); // a text of the table itself
    EXPECT_EQ(table[1], "two");
    EXPECT_EQ(table[2], "two");
    EXPECT_EQ(table[3], "three");
    EXPECT_THROW(table.Set(4, "x"), std::out_of_range);

    TextTable copy = table;
    TextTable moved = std::move(table);
    for (const TextTable* t : {&copy, &moved}) {
        EXPECT_EQ((*t)[1], "two");
        EXPECT_EQ((*t)[3], "three");
    }
    // Short texts live inside the string object: a copy must not point into the original.
    TextTable tiny(2);
    tiny.Set(1, "ab");
    TextTable tinyCopy = tiny;
    tiny.Set(1, "zz");
    EXPECT_EQ(tinyCopy[1], "ab");

    copy.Adopt("new", {{0, 3}});
    EXPECT_EQ(copy[1], "new");
    EXPECT_EQ(copy[3], "");
}

} // namespace
} // namespace lumra
