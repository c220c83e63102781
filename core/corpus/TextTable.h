#pragma once
// The numbered texts of one field (verse texts by position, subtitle and footnote lines,
// appendices), kept as spans of one buffer: a data file's bytes become a table without an
// allocation per text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumra {

class TextTable {
public:
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };

    TextTable() = default;
    // count empty texts.
    explicit TextTable(std::size_t count) : spans_(count) {}

    std::size_t size() const { return spans_.size(); }
    // Text i, i < size(). Valid until the table is next changed. The view is const so that an
    // assignment to it cannot pass for a change of the table.
    const std::string_view operator[](std::size_t i) const {
        const Span s = spans_[i];
        return std::string_view(storage_).substr(s.offset, s.length);
    }

    // Where the texts lie, for scanning a whole table at once: text i is
    // Buffer().substr(SpanAt(i).offset, SpanAt(i).length).
    std::string_view Buffer() const { return storage_; }
    Span SpanAt(std::size_t i) const { return spans_[i]; }

    // Takes over a file's bytes: the spans (within bytes) become the texts from firstIndex on,
    // every other text is empty. Spans past size() are ignored; one outside bytes is empty.
    void Adopt(std::string bytes, const std::vector<Span>& spans, std::size_t firstIndex = 1);
    // Replaces text i, i < size().
    void Set(std::size_t i, std::string_view text);

private:
    std::string storage_;
    std::vector<Span> spans_;
};

} // namespace lumra
