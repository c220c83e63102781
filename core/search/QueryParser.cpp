#include "search/QueryParser.h"

namespace lumra {

namespace {

bool IsOperator(char c) {
    return c == '+' || c == '\\' || c == '/';
}

TermKind KindOf(char op) {
    switch (op) {
    case '+':
        return TermKind::Required;
    case '\\':
        return TermKind::Excluded;
    default:
        return TermKind::Plain;
    }
}

std::string TrimSpaces(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

} // namespace

bool ParseQuery(std::string_view query, SearchState& state) {
    auto& terms = state.terms;
    terms.assign(kMaxTerms + 1, SearchTerm{});
    int k = 1;
    bool first = true;
    for (std::size_t i = 0; i < query.size(); ++i) {
        const char c = query[i];
        if (!IsOperator(c)) {
            terms[static_cast<std::size_t>(k)].text += c;
        } else {
            if (!first) {
                ++k;
            }
            auto& term = terms[static_cast<std::size_t>(k)];
            term.kind = KindOf(c);
            // The operator takes the next character with it.
            ++i;
            if (i < query.size() && !IsOperator(query[i])) {
                term.text += query[i];
            }
        }
        first = false;
        if (k == kMaxTerms) {
            break;
        }
    }

    // Trim, then close the gaps left by empty terms.
    int kept = 0;
    for (int j = 1; j <= k; ++j) {
        auto& term = terms[static_cast<std::size_t>(j)];
        std::string text = TrimSpaces(term.text);
        if (text.empty()) {
            continue;
        }
        ++kept;
        const TermKind kind = term.kind;
        terms[static_cast<std::size_t>(kept)] = SearchTerm{std::move(text), kind};
    }
    for (int j = kept + 1; j <= k; ++j) {
        terms[static_cast<std::size_t>(j)] = SearchTerm{};
    }
    state.termCount = kept;
    return kept >= 1;
}

} // namespace lumra
