#include "search/FieldScan.h"

#include <algorithm>
#include <cstring>

#include "corpus/CaseFold.h"
#include "search/TermMatch.h"

namespace lumra {

FieldScan::FieldScan(const TextTable& table, bool foldCase) : original_(table.Buffer()) {
    if (foldCase) {
        folded_ = std::make_unique_for_overwrite<char[]>(original_.size());
        FoldCaseInto(original_, folded_.get());
        compared_ = std::string_view(folded_.get(), original_.size());
    } else {
        compared_ = original_;
    }
    texts_.reserve(table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const TextTable::Span s = table.SpanAt(i);
        if (s.length != 0) {
            texts_.push_back({static_cast<std::uint32_t>(i), s.offset, s.offset + s.length});
        }
    }
    // Loaded tables are in file order already; texts set one by one may not be.
    const auto inBuffer = [](const Text& a, const Text& b) { return a.begin < b.begin; };
    if (!std::is_sorted(texts_.begin(), texts_.end(), inBuffer)) {
        std::sort(texts_.begin(), texts_.end(), inBuffer);
    }
    for (std::size_t k = 1; k < texts_.size(); ++k) {
        disjoint_ = disjoint_ && texts_[k].begin >= texts_[k - 1].end;
    }
}

std::size_t FieldScan::Find(std::string_view term, std::size_t from) const {
    if (from >= compared_.size()) {
        return std::string_view::npos;
    }
    const void* at =
        ::memmem(compared_.data() + from, compared_.size() - from, term.data(), term.size());
    return at == nullptr
               ? std::string_view::npos
               : static_cast<std::size_t>(static_cast<const char*>(at) - compared_.data());
}

bool FieldScan::IsWordAt(std::size_t at, std::size_t length, const Text& text) const {
    const bool letterBefore =
        at > text.begin && IsWordLetter(static_cast<unsigned char>(original_[at - 1]));
    const bool letterAfter =
        at + length < text.end && IsWordLetter(static_cast<unsigned char>(original_[at + length]));
    return !letterBefore && !letterAfter;
}

void FieldScan::Mark(std::string_view term, bool wholeWords, const std::vector<std::uint8_t>& skip,
                     std::vector<std::uint8_t>& found) const {
    std::size_t open = 0;
    for (const Text& text : texts_) {
        open += skip[text.index] == 0 ? 1 : 0;
    }
    // A sweep reads the whole buffer; once few texts are left open, reading just those is less.
    if (term.empty() || !disjoint_ || open * 8 < texts_.size()) {
        MarkEachText(term, wholeWords, skip, found);
        return;
    }
    const std::size_t n = term.size();
    // hit: the first occurrence at or after a place no later than the current text's start.
    std::size_t hit = texts_.empty() ? std::string_view::npos : Find(term, texts_.front().begin);
    for (const Text& text : texts_) {
        if (hit == std::string_view::npos) {
            return; // no occurrence in this text or any later one
        }
        if (skip[text.index] != 0) {
            continue;
        }
        if (hit < text.begin) {
            hit = Find(term, text.begin);
            if (hit == std::string_view::npos) {
                return;
            }
        }
        if (hit + n > text.end) {
            continue; // any occurrence from here on starts beyond this text or runs out of it
        }
        if (!wholeWords) {
            found[text.index] = 1;
            continue;
        }
        // A failed occurrence sends the search on one character beyond the one after it.
        std::size_t at = hit;
        while (true) {
            if (IsWordAt(at, n, text)) {
                found[text.index] = 1;
                break;
            }
            const std::size_t start = at + n + 1;
            if (start >= text.end) {
                break;
            }
            at = Find(term, start);
            if (at == std::string_view::npos || at + n > text.end) {
                break;
            }
        }
        hit = at;
    }
}

void FieldScan::MarkEachText(std::string_view term, bool wholeWords,
                             const std::vector<std::uint8_t>& skip,
                             std::vector<std::uint8_t>& found) const {
    for (const Text& text : texts_) {
        if (skip[text.index] != 0) {
            continue;
        }
        const std::size_t length = text.end - text.begin;
        const std::string_view compared = compared_.substr(text.begin, length);
        const bool occurs = wholeWords
                                ? WholeWordIn(compared, original_.substr(text.begin, length), term)
                                : compared.find(term) != std::string_view::npos;
        if (occurs) {
            found[text.index] = 1;
        }
    }
}

} // namespace lumra
