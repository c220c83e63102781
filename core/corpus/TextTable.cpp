#include "corpus/TextTable.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace lumra {

void TextTable::Adopt(std::string bytes, const std::vector<Span>& spans, std::size_t firstIndex) {
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("text table");
    }
    storage_ = std::move(bytes);
    const std::size_t first = std::min(firstIndex, spans_.size());
    const std::size_t end = first + std::min(spans.size(), spans_.size() - first);
    std::fill(spans_.begin(), spans_.begin() + static_cast<std::ptrdiff_t>(first), Span{});
    for (std::size_t i = first; i < end; ++i) {
        Span s = spans[i - first];
        if (s.offset > storage_.size() || s.length > storage_.size() - s.offset) {
            s = Span{};
        }
        spans_[i] = s;
    }
    std::fill(spans_.begin() + static_cast<std::ptrdiff_t>(end), spans_.end(), Span{});
}

void TextTable::Set(std::size_t i, std::string_view text) {
    if (storage_.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("text table");
    }
    spans_.at(i) =
        Span{static_cast<std::uint32_t>(storage_.size()), static_cast<std::uint32_t>(text.size())};
    storage_.append(text);
}

} // namespace lumra
