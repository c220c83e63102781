#pragma once
// Which texts of a table a search term occurs in, found by scanning the table's whole buffer
// at once rather than text by text: one search call per occurrence instead of per text.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corpus/TextTable.h"

namespace lumra {

class FieldScan {
public:
    // Takes the table as the compare mode sees it (folded for foldCase). The table must
    // outlive the scan and stay unchanged.
    FieldScan(const TextTable& table, bool foldCase);

    // found[i] = 1 for every text i (found has the table's size) in which the term, already
    // in the compare mode's form, occurs: anywhere, or with wholeWords as IsWholeWordMatch
    // finds it, restart rule included. Texts with skip[i] = 1 are passed over; other
    // entries of found are left as they are.
    void Mark(std::string_view term, bool wholeWords, const std::vector<std::uint8_t>& skip,
              std::vector<std::uint8_t>& found) const;

private:
    struct Text {
        std::uint32_t index;
        std::uint32_t begin;
        std::uint32_t end;
    };

    void MarkEachText(std::string_view term, bool wholeWords, const std::vector<std::uint8_t>& skip,
                      std::vector<std::uint8_t>& found) const;
    std::size_t Find(std::string_view term, std::size_t from) const;
    bool IsWordAt(std::size_t at, std::size_t length, const Text& text) const;

    std::string_view original_;
    std::string_view compared_;
    std::unique_ptr<char[]> folded_; // written whole by the folding, so never zero-filled
    std::vector<Text> texts_;        // the non-empty texts by their place in the buffer
    bool disjoint_ = true;
};

} // namespace lumra
