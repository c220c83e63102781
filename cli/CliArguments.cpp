#include "cli/CliArguments.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace lumra::cli {

namespace {

struct SwitchSpelling {
    std::string_view on;
    std::string_view off;
};

// The names follow the captions of the search dialog and of the copy options.
constexpr std::array<SwitchSpelling, 4> kListSwitches = {{
    {"with-subtitles", "without-subtitles"},
    {"with-footnotes", "without-footnotes"},
    {"one-line", "own-line"},
    {"capitals", "no-capitals"},
}};
constexpr std::array<SwitchSpelling, 5> kSearchSwitches = {{
    {"verse-texts", "no-verse-texts"},
    {"subtitles", "no-subtitles"},
    {"footnotes", "no-footnotes"},
    {"match-case", "ignore-case"},
    {"whole-words", "no-whole-words"},
}};

bool TakeSwitch(std::string_view word, std::span<const SwitchSpelling> table, CliArguments& a) {
    for (const auto& s : table) {
        if (word == s.on || word == s.off) {
            a.switches[std::string(s.on)] = word == s.on;
            return true;
        }
    }
    return false;
}

// The switches a subcommand knows, beyond the common options.
bool TakeCommandSwitch(std::string_view word, CliArguments& a) {
    if (word == "json" && a.command != Subcommand::Export) {
        a.json = true;
        return true;
    }
    switch (a.command) {
    case Subcommand::Show:
        if (word == "original" || word == "transliteration" || word == "parallel") {
            (word == "original"   ? a.original
             : word == "parallel" ? a.parallel
                                  : a.transliteration) = true;
            return true;
        }
        return word != "capitals" && word != "no-capitals" && TakeSwitch(word, kListSwitches, a);
    case Subcommand::Search:
        if (word == "refs" || word == "count") {
            (word == "refs" ? a.refs : a.count) = true;
            return true;
        }
        return TakeSwitch(word, kListSwitches, a) || TakeSwitch(word, kSearchSwitches, a);
    case Subcommand::Export:
        if (word == "rtf" || word == "text") {
            a.richText = word == "rtf";
            return true;
        }
        if (word == "replace") {
            a.replace = true;
            return true;
        }
        return TakeSwitch(word, std::span(kListSwitches).subspan(2, 1), a);
    case Subcommand::None:
        break;
    }
    return false;
}

std::optional<int> PositiveNumber(std::string_view text) {
    if (text.empty() || text.size() > 6) {
        return std::nullopt;
    }
    int n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        n = n * 10 + (c - '0');
    }
    return n >= 1 ? std::optional<int>(n) : std::nullopt;
}

// How many operands each subcommand takes: at least, at most (-1: any number).
std::pair<int, int> OperandCount(Subcommand c) {
    switch (c) {
    case Subcommand::Show:
        return {1, -1};
    case Subcommand::Search:
        return {1, 1};
    case Subcommand::Export:
        return {3, 3};
    case Subcommand::None:
        break;
    }
    return {0, 0};
}

// The edits (insertion, deletion, change, swap of neighbours) that turn a into b.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        for (std::size_t j = 0; j <= b.size(); ++j) {
            if (i == 0 || j == 0) {
                d[i][j] = i + j;
                continue;
            }
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

// A first word that names no subcommand, with the subcommand it is a slip of, if any.
CliError UnknownCommand(std::string_view word) {
    for (const std::string_view command : {"show", "search", "export"}) {
        if (word.size() < 40 && EditDistance(word, command) <= 2) {
            return Error(CliMessage::UnknownCommandNear, {word, command});
        }
    }
    return Error(CliMessage::UnknownCommand, {word});
}

} // namespace

bool CliArguments::Switch(const std::string& name, bool stored) const {
    const auto it = switches.find(name);
    return it == switches.end() ? stored : it->second;
}

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
    ParsedArguments parsed;
    CliArguments& a = parsed.arguments;
    std::size_t i = 0;
    if (!args.empty()) {
        const std::string& first = args[0];
        a.command = first == "show"     ? Subcommand::Show
                    : first == "search" ? Subcommand::Search
                    : first == "export" ? Subcommand::Export
                                        : Subcommand::None;
        i = a.command == Subcommand::None ? 0 : 1;
        if (a.command == Subcommand::None && !first.starts_with('-')) {
            parsed.error = UnknownCommand(first);
            return parsed;
        }
    }
    bool optionsEnd = false;
    for (; i < args.size(); ++i) {
        const std::string_view word = args[i];
        if (optionsEnd || word.size() < 2 || word[0] != '-' || word == "-") {
            a.operands.emplace_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnd = true;
        } else if (word == "--help" || word == "-h") {
            a.help = true;
        } else if (word == "--version") {
            a.version = true;
        } else if (word == "--crlf") {
            a.crlf = true;
        } else if (word == "--lang" || word.starts_with("--lang=") ||
                   (a.command == Subcommand::Search &&
                    (word == "--limit" || word.starts_with("--limit=")))) {
            const bool lang = word.starts_with("--lang");
            const auto equals = word.find('=');
            std::string_view value;
            if (equals != std::string_view::npos) {
                value = word.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                parsed.error = Error(CliMessage::NeedsValue, {word});
                return parsed;
            }
            if (lang) {
                if (value != "en" && value != "sv") {
                    parsed.error = Error(CliMessage::LanguageValue, {value});
                    return parsed;
                }
                a.language = value == "en" ? "en" : "sv";
            } else if (const auto n = PositiveNumber(value)) {
                a.limit = n;
            } else {
                parsed.error = Error(CliMessage::LimitValue, {value});
                return parsed;
            }
        } else if (!word.starts_with("--") || !TakeCommandSwitch(word.substr(2), a)) {
            parsed.error = Error(CliMessage::UnknownOption, {word});
            return parsed;
        }
    }
    if (a.help || a.version) {
        return parsed;
    }
    if (a.command == Subcommand::None) {
        parsed.error = Error(CliMessage::SubcommandNeeded);
        return parsed;
    }
    const auto [least, most] = OperandCount(a.command);
    const int n = static_cast<int>(a.operands.size());
    if (n < least || (most >= 0 && n > most)) {
        parsed.error = Error(a.command == Subcommand::Show     ? CliMessage::ShowNeedsReference
                             : a.command == Subcommand::Search ? CliMessage::SearchTakesOneQuery
                                                               : CliMessage::ExportTakesThree);
    }
    return parsed;
}

} // namespace lumra::cli
