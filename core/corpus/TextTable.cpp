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
    std::fill(spans_.begin(), spans_.end(), Span{});
    for (std::size_t k = 0; k < spans.size() && firstIndex + k < spans_.size(); ++k) {
        Span s = spans[k];
        if (s.offset > storage_.size() || s.length > storage_.size() - s.offset) {
            s = Span{};
        }
        spans_[firstIndex + k] = s;
    }
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
